#include "model/CodeList.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

TEST(CodeList, EncodesSignedShiftJisCodesPlusOffsetOrNothing) {
    // 古 is 0x8CC3: 0x8CC3 - 0x10000 = -29501, plus 73. ー 0x815B, ｜ 0x8162, ～ 0x8160 in
    // Microsoft's table, half-width ｱ 0xB1, control characters, NEC ① 0x8740, IBM ⅰ 0xFA40.
    EXPECT_EQ(EncodeCodeList(u"古aー｜～ｱ\r\n①ⅰ"_s),
              u"-29428,170,-32348,-32341,-32343,250,86,83,-30839,-1399,"_s);
    EXPECT_FALSE(EncodeCodeList(u"古〜"_s));
}

TEST(CodeList, DecodingFollowsTheCommasAndRefusesWhatIsNoCharacter) {
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
         {u"17a,"_s, u" 170,"_s, u"+170,"_s, u"-,"_s, u"99999999999999999999,"_s, u"170,abc,"_s,
          u"329,"_s, u"-32696,"_s, u"202,"_s, u"-32695,"_s, u"-31351,"_s, u"-32429,"_s})
        EXPECT_FALSE(DecodeCodeList(line)) << line.toStdString();
}
