// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Cp932.h"
#include "model/CodeList.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

TEST(Cp932, MicrosoftTableAndItsEdges) {
    EXPECT_EQ(cp932::Decode("\x81\x60\x81\x5b\x81\x62\\~\xb1\xdf"), u"～ー｜\\~ｱﾟ"_s);
    // NEC-selected IBM and IBM decode alike; the IBM code is the one written back.
    EXPECT_EQ(cp932::Encode(cp932::Decode("\xed\x40\xfa\x5c").value_or(QString())).Bytes,
              QByteArray("\xfa\x5c\xfa\x5c"));
    // A truncated lead byte, unassigned codes.
    for (const char* bad : {"\x81", "a\x81\r\n", "\x85\x40", "\xa0"})
        EXPECT_FALSE(cp932::Decode(bad)) << bad;
    EXPECT_EQ(cp932::Encode(u"ab😀c"_s).BadIndex, 2);
}

// Every character that encodes decodes to itself: nothing is changed silently.
TEST(Cp932, EveryCharacterThatEncodesComesBack) {
    cp932::Codec codec;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text = QChar(char16_t(c));
        const cp932::Encoded encoded = codec.Encode(text);
        ASSERT_TRUE(!encoded.ok() || codec.Decode(encoded.Bytes) == text) << std::hex << quint32(c);
    }
}

// A code list: each character's Shift-JIS code as a signed 16-bit number plus 73, and a comma.
TEST(Cp932, CodeListsHoldSignedCodesPlusAnOffsetOrNothing) {
    // 古 is 0x8CC3: 0x8CC3 - 0x10000 = -29501, plus 73. ー 0x815B, ｜ 0x8162, ～ 0x8160 in
    // Microsoft's table, half-width ｱ 0xB1, control characters, NEC ① 0x8740, IBM ⅰ 0xFA40.
    EXPECT_EQ(EncodeCodeList(u"古aー｜～ｱ\r\n①ⅰ"_s),
              u"-29428,170,-32348,-32341,-32343,250,86,83,-30839,-1399,"_s);
    EXPECT_FALSE(EncodeCodeList(u"古〜"_s));
}

TEST(Cp932, CodeListsDecodeByTheCommasAndRefuseWhatIsNoCharacter) {
    const std::pair<QString, QString> good[] = {
        {u"-29428,170,"_s, u"古a"_s},  {u",170,"_s, QString()},
        {u"170,,171,"_s, u"a"_s},      {u"170,171,xyz"_s, u"ab"_s},
        {u"73,"_s, QString(QChar(0))}, {u"-0000000000000000000000000032023,"_s, u"あ"_s},
    };
    for (const auto& [line, text] : good)
        EXPECT_EQ(DecodeCodeList(line), text) << line.toStdString();
    // Not numbers; beyond a byte or 16 bits; a lone lead byte, no lead byte, unassigned, no
    // trail byte.
    for (const QString& line :
         {u"17a,"_s, u" 170,"_s, u"+170,"_s, u"-,"_s, u"99999999999999999999,"_s,
          u"-9223372036854775807,"_s, u"170,abc,"_s, u"329,"_s, u"-32696,"_s, u"202,"_s,
          u"-32695,"_s, u"-31351,"_s, u"-32429,"_s})
        EXPECT_FALSE(DecodeCodeList(line)) << line.toStdString();
}
