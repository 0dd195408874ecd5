#include "Kushu.h"
#include "FileNames.h"
#include "StripText.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

TEST(KushuModel, KindsFollowFromIndexAndCount) {
    Kushu empty;
    EXPECT_EQ(empty.KuCount(), 0);
    EXPECT_EQ(empty.Entries.size(), 4);
    EXPECT_EQ(KindOfIndex(0, 0), EntryKind::Jo);
    EXPECT_EQ(KindOfIndex(1, 0), EntryKind::Batsu);
    EXPECT_EQ(KindOfIndex(2, 0), EntryKind::Prof);
    EXPECT_EQ(KindOfIndex(3, 0), EntryKind::Oku);
    EXPECT_EQ(KindOfIndex(1, 2), EntryKind::Ku);
    EXPECT_EQ(KindOfIndex(2, 2), EntryKind::Ku);
    EXPECT_EQ(KindOfIndex(3, 2), EntryKind::Batsu);
    EXPECT_EQ(KindOfIndex(5, 2), EntryKind::Oku);
    EXPECT_EQ(EntryCapacity, 30001);
    EXPECT_EQ(MaxKuCount, 29997);
    EXPECT_EQ(SystemColour(15), -2147483633);
    EXPECT_TRUE(IsSystemColour(SystemColour(15)));
}

TEST(KushuModel, SpecialPagesAreListedOnlyWithMoreThanTwoCharacters) {
    EXPECT_FALSE(IsListedInViewer(u""_s));
    EXPECT_FALSE(IsListedInViewer(u"ab"_s));
    EXPECT_FALSE(IsListedInViewer(u"\r\n"_s));
    EXPECT_TRUE(IsListedInViewer(u"abc"_s));
    EXPECT_TRUE(IsListedInViewer(u"\r\n\r"_s));
}

TEST(KushuModel, RowTextDecidesTheKindExactly) {
    EXPECT_EQ(KindOfRowText(u"序"_s), EntryKind::Jo);
    EXPECT_EQ(KindOfRowText(u"跋"_s), EntryKind::Batsu);
    EXPECT_EQ(KindOfRowText(u"プロフィール"_s), EntryKind::Prof);
    EXPECT_EQ(KindOfRowText(u"奥付"_s), EntryKind::Oku);
    EXPECT_EQ(KindOfRowText(u"跋 "_s), EntryKind::Ku);
    EXPECT_EQ(KindOfRowText(u"プロフィ｜ル"_s), EntryKind::Ku);
    EXPECT_EQ(KindOfRowText(QString()), EntryKind::Ku);
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
    EXPECT_EQ(CheckFileNamePart(u"a\nb"_s, u"版数"_s),
              u"版数にファイル名に使えない文字U+000Aが含まれています。\r"
              u"次の文字は使えません： \\ / : * ? \" < > |"_s);
}
