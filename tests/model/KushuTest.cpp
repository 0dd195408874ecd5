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
    auto kinds = [](int kuCount) {
        QList<EntryKind> kinds;
        for (int i = 0; i < kuCount + 4; ++i)
            kinds.append(KindOfIndex(i, kuCount));
        return kinds;
    };
    EXPECT_EQ(kinds(Kushu().KuCount()), (QList<EntryKind>{Jo, Batsu, Prof, Oku}));
    EXPECT_EQ(kinds(2), (QList<EntryKind>{Jo, Ku, Ku, Batsu, Prof, Oku}));
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
}

TEST(KushuModel, RowToEntryWithAndWithoutJo) {
    const int k = 3; // 序 0, haiku 1-3, 跋 4, プロフィール 5, 奥付 6
    // 序 listed: rows are 序, h1, h2, h3, ...
    EXPECT_EQ(RowToEntry(0, u"序"_s, u"序"_s, k), 0);
    EXPECT_EQ(RowToEntry(1, u"古池や"_s, u"序"_s, k), 1);
    EXPECT_EQ(RowToEntry(3, u"三句目"_s, u"序"_s, k), 3);
    // 序 hidden: the first row is the first haiku, still entry 1.
    EXPECT_EQ(RowToEntry(0, u"古池や"_s, u"古池や"_s, k), 1);
    EXPECT_EQ(RowToEntry(1, u"二句目"_s, u"古池や"_s, k), 2);
    // Special pages keep their places wherever they stand in the list.
    EXPECT_EQ(RowToEntry(3, u"跋"_s, u"古池や"_s, k), 4);
    EXPECT_EQ(RowToEntry(3, u"プロフィール"_s, u"古池や"_s, k), 5);
    EXPECT_EQ(RowToEntry(4, u"奥付"_s, u"序"_s, k), 6);
    // A verse that reads exactly like a page word is taken for that page.
    EXPECT_EQ(RowToEntry(2, u"跋"_s, u"序"_s, k), 4);
}

TEST(KushuModel, EntryLabelsNameThePage) {
    Kushu k;
    k.Entries = QList<KuEntry>(5);
    k.Entries[1].Verse = u"古池や"_s;
    EXPECT_EQ(EntryLabel(k, 0), u"序"_s);
    EXPECT_EQ(EntryLabel(k, 1), u"句「古池や」"_s);
    EXPECT_EQ(EntryLabel(k, 2), u"跋"_s);
    EXPECT_EQ(EntryLabel(k, 4), u"奥付"_s);
}

TEST(StripText, ReplacesEveryLongVowelMarkAndNothingElse) {
    EXPECT_EQ(ToStripText(QString()), QString());
    EXPECT_EQ(ToStripText(u"古池や"_s), u"古池や"_s);
    EXPECT_EQ(ToStripText(u"ー"_s), u"｜"_s);
    EXPECT_EQ(ToStripText(u"ーーaーｰ―－~〜～"_s), u"｜｜a｜ｰ―－~〜～"_s);
    EXPECT_EQ(ToStripText(u"プロフィール"_s), u"プロフィ｜ル"_s);
    const QString mixed = u"ラーメン ー\tｰ"_s;
    EXPECT_EQ(ToStripText(mixed).size(), mixed.size());
}

TEST(FileNames, CollectionAndCommentsNames) {
    EXPECT_EQ(KushuFileName(u"春_夏"_s, u"一"_s), u"春_夏_一.Ywk"_s);
    EXPECT_EQ(KushuFileName(u"春"_s, QString()), u"春_.Ywk"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第一版"_s), u"春_一.kan"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第十一版"_s), u"春_十.kan"_s);
    EXPECT_EQ(KansoFileName(u"春"_s, u"第版"_s), u"春_版.kan"_s);
}

TEST(FileNames, ListedCollectionIsFoundWhateverTheCaseOfItsExtension) {
    Folder folder;
    const QString app = folder.Path();
    WriteBytes(app + u"古池_一.YWK"_s, "x");
    WriteBytes(app + u"夏_二.Ywk"_s, "x");
    EXPECT_EQ(CollectionFilePath(app, u"古池_一"_s), app + u"古池_一.YWK"_s);
    EXPECT_EQ(CollectionFilePath(app, u"夏_二"_s), app + u"夏_二.Ywk"_s);
    // A name that is not there keeps the program's own extension, for a new file.
    EXPECT_EQ(CollectionFilePath(app, u"古池"_s), app + u"古池.Ywk"_s);
}

TEST(FileNames, PartsThatCannotBeFileNamesAreRefused) {
    EXPECT_TRUE(CheckFileNamePart(u"春の句集 (改) ＊？"_s, u"句集名"_s).isEmpty());
    EXPECT_TRUE(CheckFileNamePart(QString(), u"版数"_s).isEmpty());
    for (const QString& bad : {u"a/b"_s, u"..\\x"_s, u"c:"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s,
                               u">"_s, u"|"_s, u"a\tb"_s, u"a\nb"_s, QString(QChar(0))}) {
        EXPECT_FALSE(CheckFileNamePart(bad, u"句集名"_s).isEmpty()) << bad.toStdString();
    }
    EXPECT_EQ(CheckFileNamePart(u"春/秋"_s, u"句集名"_s),
              u"句集名にファイル名に使えない文字「/」(U+002F)が含まれています。\r"
              u"次の文字は使えません： \\ / : * ? \" < > |"_s);
    EXPECT_EQ(CheckFileNamePart(u"a\nb"_s, u"版数"_s), u"版数に改行が含まれています。"_s);
}
