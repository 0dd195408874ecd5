#include "CodeList.h"
#include "Cp932.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

TEST(CodeList, EncodesSignedShiftJisCodesPlusOffsetOrNothing) {
    // 古 is 0x8CC3: 0x8CC3 - 0x10000 = -29501, plus 73.
    EXPECT_EQ(EncodeCodeList(u"古a"_s), u"-29428,170,"_s);
    EXPECT_EQ(EncodeCodeList(QString()), QString());
    EXPECT_EQ(EncodeCodeList(u"ー"_s), u"-32348,"_s);  // 0x815B
    EXPECT_EQ(EncodeCodeList(u"｜"_s), u"-32341,"_s);  // 0x8162
    EXPECT_EQ(EncodeCodeList(u"～"_s), u"-32343,"_s);  // 0x8160, Microsoft's table
    EXPECT_EQ(EncodeCodeList(u"ｱ"_s), u"250,"_s);      // half-width katakana 0xB1
    EXPECT_EQ(EncodeCodeList(u"\r\n"_s), u"86,83,"_s); // control characters too
    EXPECT_EQ(EncodeCodeList(u"①"_s), u"-30839,"_s);   // NEC row 13, 0x8740
    EXPECT_EQ(EncodeCodeList(u"ⅰ"_s), u"-1399,"_s);    // IBM extension 0xFA40
    EXPECT_FALSE(EncodeCodeList(u"古〜"_s));           // U+301C has no code in this code page
    EXPECT_FALSE(EncodeCodeList(u"a😀"_s));
    EXPECT_FALSE(EncodeCodeList(u"—"_s)); // U+2014
}

TEST(CodeList, DecodingFollowsTheCommas) {
    EXPECT_EQ(DecodeCodeList(u"-29428,170,"_s), u"古a"_s);
    EXPECT_EQ(DecodeCodeList(QString()), QString());
    EXPECT_EQ(DecodeCodeList(u",170,"_s), QString());  // empty first item: stop
    EXPECT_EQ(DecodeCodeList(u"170,171"_s), u"a"_s);   // text after the last comma
    EXPECT_EQ(DecodeCodeList(u"170,,171,"_s), u"a"_s); // empty item ends the list
    EXPECT_EQ(DecodeCodeList(u"170,171,xyz"_s), u"ab"_s);
    EXPECT_EQ(DecodeCodeList(u"73,"_s), QString(QChar(0))); // code 0 is a character
}

TEST(CodeList, ItemsThatAreNotCharactersAreRefused) {
    for (const QString& bad :
         {u"abc,"_s, u"17a,"_s, u" 170,"_s, u"170 ,"_s, u"+170,"_s, u"-,"_s, u"1e3,"_s,
          u"329,"_s,    // 256: beyond one byte
          u"-32696,"_s, // -32769: beyond 16 bits
          u"202,"_s,    // 0x81 alone is a lead byte, not a character
          u"-32695,"_s, // 0x8000: not a lead byte
          u"-31351,"_s, // 0x8540: unassigned
          u"-32429,"_s, // 0x810A: not a trail byte
          u"99999999999999999999,"_s, u"170,abc,"_s}) {
        EXPECT_FALSE(DecodeCodeList(bad)) << bad.toStdString();
    }
}

TEST(CodeList, RoundTripsEveryShiftJisText) {
    test::Random random(7);
    for (int i = 0; i < 500; ++i) {
        const QString text = random.Text(40);
        const std::optional<QString> line = EncodeCodeList(text);
        ASSERT_TRUE(line) << text.toStdString();
        EXPECT_EQ(DecodeCodeList(*line), text);
    }
}

TEST(Cp932, MicrosoftTableAndItsEdges) {
    EXPECT_EQ(cp932::Decode(QByteArray("\x81\x60", 2)), u"～"_s);
    EXPECT_EQ(cp932::Decode(QByteArray("\x81\x5b\x81\x62", 4)), u"ー｜"_s);
    EXPECT_EQ(cp932::Decode(QByteArray("\\~", 2)), u"\\~"_s);
    EXPECT_EQ(cp932::Decode(QByteArray("\xb1\xdf", 2)), u"ｱﾟ"_s);
    EXPECT_EQ(cp932::Decode(QByteArray("\xed\x40", 2)), u"纊"_s); // NEC-selected IBM
    EXPECT_EQ(cp932::Decode(QByteArray("\xfa\x5c", 2)), u"纊"_s); // IBM
    // The IBM code is the one written back, as the original platform does.
    EXPECT_EQ(cp932::Encode(u"纊"_s).Bytes, QByteArray("\xfa\x5c", 2));
    EXPECT_FALSE(cp932::Decode(QByteArray("\x81", 1))); // truncated lead byte
    EXPECT_FALSE(cp932::Decode(QByteArray("a\x81\r\n", 4)));
    EXPECT_FALSE(cp932::Decode(QByteArray("\x85\x40", 2))); // unassigned
    EXPECT_FALSE(cp932::Decode(QByteArray("\xa0", 1)));

    const cp932::Encoded bad = cp932::Encode(u"ab😀c"_s);
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(bad.BadIndex, 2);
    EXPECT_EQ(cp932::DescribeChar(u"ab😀c"_s, 2), u"「😀」(U+1F600)"_s);
    EXPECT_EQ(cp932::DescribeChar(u"〜"_s, 0), u"「〜」(U+301C)"_s);
    EXPECT_EQ(cp932::DescribeChar(QString(QChar(0xD800)), 0), u"U+D800"_s);
}

TEST(Cp932, AFailedConversionNeverSpoilsTheNextOne) {
    // The converters are kept between calls; a failure must not stick to them.
    for (int round = 0; round < 3; ++round) {
        EXPECT_FALSE(cp932::Decode(QByteArray("\x82", 1)));
        EXPECT_EQ(cp932::Decode(QByteArray("\x82\xa0", 2)), u"あ"_s);
        EXPECT_FALSE(cp932::Encode(u"é"_s).ok());
        const cp932::Encoded good = cp932::Encode(u"あa"_s);
        EXPECT_TRUE(good.ok());
        EXPECT_EQ(good.Bytes, QByteArray("\x82\xa0"
                                         "a"));
        EXPECT_FALSE(EncodeCodeList(u"😀"_s));
        EXPECT_EQ(EncodeCodeList(u"a"_s), u"170,"_s);
        EXPECT_FALSE(DecodeCodeList(u"-31351,"_s)); // 0x8540: no character there
        EXPECT_EQ(DecodeCodeList(u"-32023,"_s), u"あ"_s);
    }
}
