#include "model/Cp932.h"
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
