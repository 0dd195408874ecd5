#include "model/Kushu.h"
#include "model/CodeList.h"
#include "model/Cp932.h"
#include "model/FileNames.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

TEST(KushuModel, KindsFollowFromIndexOrRowText) {
    using enum EntryKind;
    QList<EntryKind> kinds;
    for (int i = 0; i < 6; ++i)
        kinds.append(KindOfIndex(i, 2));
    // A row's text decides its kind exactly.
    for (const QString& row :
         {u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s, u"跋 "_s, u"プロフィ｜ル"_s})
        kinds.append(KindOfRowText(row));
    EXPECT_EQ(kinds,
              (QList<EntryKind>{Jo, Ku, Ku, Batsu, Prof, Oku, Jo, Batsu, Prof, Oku, Ku, Ku}));
    // Special pages are listed only with more than two characters.
    EXPECT_TRUE(!IsListedInViewer(u"\r\n"_s) && IsListedInViewer(u"\r\n\r"_s));
    const Kushu k = MakeKushu(1);
    EXPECT_EQ(EntryLabel(k, 1) + EntryLabel(k, 2), u"句「古池や蛙飛びこむ水の音1」跋"_s);
}

TEST(FileNames, CollectionAndCommentsNames) {
    EXPECT_EQ(KushuFileName(u"春_夏"_s, u"一"_s), u"春_夏_一.Ywk"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第一版"_s) + KansoFileName(u"春"_s, u"第十一版"_s) +
                  KansoFileName(u"春"_s, u"第版"_s),
              u"春_一.kan春_十.kan春_版.kan"_s);
    // A listed collection is found whatever the case of its extension; a name that is not
    // there keeps the program's own extension, for a new file.
    Folder folder;
    const QString app = folder.Path();
    WriteBytes(app + u"古池_一.YWK"_s, "x");
    EXPECT_EQ(CollectionFilePath(app, u"古池_一"_s), app + u"古池_一.YWK"_s);
    EXPECT_EQ(CollectionFilePath(app, u"古池"_s), app + u"古池.Ywk"_s);
}

TEST(FileNames, PartsThatCannotBeFileNamesAreRefused) {
    EXPECT_TRUE(CheckFileNamePart(u"春の句集 (改) ＊？"_s, u"句集名"_s).ok());
    for (const QString& bad :
         {u"..\\x"_s, u"c:"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s, u">"_s, u"|"_s})
        EXPECT_FALSE(CheckFileNamePart(bad, u"句集名"_s).ok()) << bad.toStdString();
    const QString rule = u"が含まれています。\r次の文字は使えません： \\ / : * ? \" < > |"_s;
    EXPECT_EQ(CheckFileNamePart(u"春/秋"_s, u"句集名"_s).error(),
              u"句集名にファイル名に使えない文字「/」(U+002F)"_s + rule);
    EXPECT_EQ(CheckFileNamePart(u"a\nb"_s, u"版数"_s).error(), u"版数に改行が含まれています。"_s);
}

TEST(CodeList, EncodesSignedShiftJisCodesPlusOffsetOrNothing) {
    // 古 is 0x8CC3: 0x8CC3 - 0x10000 = -29501, plus 73. ー 0x815B, ｜ 0x8162, ～ 0x8160 in
    // Microsoft's table, half-width ｱ 0xB1, control characters, NEC ① 0x8740, IBM ⅰ 0xFA40.
    EXPECT_EQ(EncodeCodeList(u"古aー｜～ｱ\r\n①ⅰ"_s),
              u"-29428,170,-32348,-32341,-32343,250,86,83,-30839,-1399,"_s);
    EXPECT_FALSE(EncodeCodeList(u"古〜"_s));
}

TEST(CodeList, DecodingFollowsTheCommasAndRefusesWhatIsNoCharacter) {
    // clang-format off
    const std::pair<QString, QString> good[] = {
        {u"-29428,170,"_s, u"古a"_s}, {u",170,"_s, QString()}, {u"170,,171,"_s, u"a"_s}, {u"170,171,xyz"_s, u"ab"_s},
        {u"73,"_s, QString(QChar(0))}, {u"-0000000000000000000000000032023,"_s, u"あ"_s},
    };
    // Not numbers; beyond a byte or 16 bits; a lone lead byte, no lead byte, unassigned, no trail byte.
    const QString bad[] = {u"17a,"_s, u" 170,"_s, u"+170,"_s, u"-,"_s, u"99999999999999999999,"_s, u"170,abc,"_s,
                           u"329,"_s, u"-32696,"_s, u"202,"_s, u"-32695,"_s, u"-31351,"_s, u"-32429,"_s};
    // clang-format on
    for (const auto& [line, text] : good)
        EXPECT_EQ(DecodeCodeList(line), text) << line.toStdString();
    for (const QString& line : bad)
        EXPECT_FALSE(DecodeCodeList(line)) << line.toStdString();
}

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
