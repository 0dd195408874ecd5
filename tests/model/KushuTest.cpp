#include "Kushu.h"
#include "FileNames.h"
#include "StripText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

TEST(KushuModel, KindsFollowFromIndexOrRowText) {
    using enum EntryKind;
    QList<EntryKind> kinds;
    for (int i = 0; i < 6; ++i)
        kinds.append(KindOfIndex(i, 2));
    EXPECT_EQ(kinds, (QList<EntryKind>{Jo, Ku, Ku, Batsu, Prof, Oku}));
    EXPECT_EQ(KindOfIndex(1, 0), Batsu);
    // A row's text decides its kind exactly.
    QList<EntryKind> rows;
    for (const QString& row :
         {u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s, u"跋 "_s, u"プロフィ｜ル"_s, QString()})
        rows.append(KindOfRowText(row));
    EXPECT_EQ(rows, (QList<EntryKind>{Jo, Batsu, Prof, Oku, Ku, Ku, Ku}));
    // Special pages are listed only with more than two characters.
    QList<bool> listed;
    for (const QString& text : {QString(), u"ab"_s, u"\r\n"_s, u"abc"_s, u"\r\n\r"_s})
        listed.append(IsListedInViewer(text));
    EXPECT_EQ(listed, (QList<bool>{false, false, false, true, true}));
    Kushu k = MakeKushu(1);
    EXPECT_EQ((QStringList{EntryLabel(k, 0), EntryLabel(k, 1), EntryLabel(k, 2), EntryLabel(k, 4)}),
              (QStringList{u"序"_s, u"句「古池や蛙飛びこむ水の音1」"_s, u"跋"_s, u"奥付"_s}));
}

TEST(KushuModel, RowToEntryWithAndWithoutJo) {
    // Three haiku: 序 0, haiku 1-3, 跋 4, プロフィール 5, 奥付 6. With 序 hidden the first row
    // is still entry 1; pages keep their places; a verse reading like a page word is the page.
    const std::tuple<int, QString, QString, int> cases[] = {
        {0, u"序"_s, u"序"_s, 0},         {3, u"三句目"_s, u"序"_s, 3},
        {0, u"古池や"_s, u"古池や"_s, 1}, {1, u"二句目"_s, u"古池や"_s, 2},
        {3, u"跋"_s, u"古池や"_s, 4},     {3, u"プロフィール"_s, u"古池や"_s, 5},
        {4, u"奥付"_s, u"序"_s, 6},       {2, u"跋"_s, u"序"_s, 4},
    };
    for (const auto& [row, text, first, entry] : cases)
        EXPECT_EQ(RowToEntry(row, text, first, 3), entry) << row << " " << text.toStdString();
}

TEST(StripText, ReplacesEveryLongVowelMarkAndNothingElse) {
    EXPECT_EQ(ToStripText(u"ーーaーｰ―－~〜～古"_s), u"｜｜a｜ｰ―－~〜～古"_s);
    EXPECT_EQ(ToStripText(u"プロフィール"_s), u"プロフィ｜ル"_s);
}

TEST(FileNames, CollectionAndCommentsNames) {
    EXPECT_EQ(KushuFileName(u"春_夏"_s, u"一"_s), u"春_夏_一.Ywk"_s);
    EXPECT_EQ(KushuFileName(u"春"_s, QString()), u"春_.Ywk"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第一版"_s), u"春_一.kan"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第十一版"_s), u"春_十.kan"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第版"_s), u"春_版.kan"_s);
    // A listed collection is found whatever the case of its extension; a name that is not
    // there keeps the program's own extension, for a new file.
    Folder folder;
    const QString app = folder.Path();
    WriteBytes(app + u"古池_一.YWK"_s, "x");
    EXPECT_EQ(CollectionFilePath(app, u"古池_一"_s), app + u"古池_一.YWK"_s);
    EXPECT_EQ(CollectionFilePath(app, u"古池"_s), app + u"古池.Ywk"_s);
}

TEST(FileNames, PartsThatCannotBeFileNamesAreRefused) {
    EXPECT_TRUE(CheckFileNamePart(u"春の句集 (改) ＊？"_s, u"句集名"_s).isEmpty());
    EXPECT_TRUE(CheckFileNamePart(QString(), u"版数"_s).isEmpty());
    for (const QString& bad : {u"a/b"_s, u"..\\x"_s, u"c:"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s,
                               u">"_s, u"|"_s, u"a\tb"_s, QString(QChar(0))})
        EXPECT_FALSE(CheckFileNamePart(bad, u"句集名"_s).isEmpty()) << bad.toStdString();
    const QString rule = u"が含まれています。\r次の文字は使えません： \\ / : * ? \" < > |"_s;
    EXPECT_EQ(CheckFileNamePart(u"春/秋"_s, u"句集名"_s),
              u"句集名にファイル名に使えない文字「/」(U+002F)"_s + rule);
    EXPECT_EQ(CheckFileNamePart(u"a\nb"_s, u"版数"_s), u"版数に改行が含まれています。"_s);
}
