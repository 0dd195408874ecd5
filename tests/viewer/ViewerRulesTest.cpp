#include "KushuFile.h"
#include "PageList.h"
#include "TestSupport.h"
#include "ViewerFiles.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::viewer;
using namespace Qt::Literals::StringLiterals;

TEST(ViewerFiles, AppFolderEndsInExactlyOneSeparator) {
    EXPECT_EQ(AppFolderOf(u"/opt/yomiwa"_s), u"/opt/yomiwa/"_s);
    EXPECT_EQ(AppFolderOf(u"/"_s), u"/"_s); // a root keeps its one separator
    EXPECT_EQ(AppFolderOf(u"/opt/yomiwa/"_s), u"/opt/yomiwa/"_s);
    EXPECT_EQ(AppFolderOf(u"/home/読者/句集"_s), u"/home/読者/句集/"_s);
}

TEST(ViewerFiles, ListsCollectionFilesInAnyCaseInNameOrder) {
    test::Folder folder;
    for (const QString& name : {u"b_一.Ywk"_s, u"A_一.ywk"_s, u"c_二.YWK"_s, u"a_二.Ywk"_s,
                                u"d.txt"_s, u"e.Ywk.bak"_s, u"f_一.kan"_s, u"Ywk"_s})
        test::WriteBytes(folder.File(name), "x");
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"g_一.Ywk"_s)); // a folder is not a collection
    EXPECT_EQ(CollectionFileNames(folder.Path()),
              (QStringList{u"A_一.ywk"_s, u"a_二.Ywk"_s, u"b_一.Ywk"_s, u"c_二.YWK"_s}));
    EXPECT_TRUE(CollectionFileNames(folder.File(u"missing/"_s)).isEmpty());
}

TEST(ViewerFiles, KeepingNameNeverTakesAnExistingFile) {
    test::Folder folder;
    const QString path = folder.File(u"春_一.kan"_s);
    EXPECT_EQ(FreeKeepingPath(path), path + u".bak"_s);
    test::WriteBytes(path + u".bak"_s, "old");
    EXPECT_EQ(FreeKeepingPath(path), path + u".bak2"_s);
    test::WriteBytes(path + u".bak2"_s, "older");
    EXPECT_EQ(FreeKeepingPath(path), path + u".bak3"_s);
}

TEST(PageList, SpecialPagesOnlyWithContentVersesAlways) {
    Kushu k = test::MakeKushu(2);
    EXPECT_EQ(PageRows(k), (QStringList{u"序"_s, k.Entries[1].Verse, k.Entries[2].Verse, u"跋"_s,
                                        u"プロフィール"_s, u"奥付"_s}));
    k.Entries[0].Commentary = u"ab"_s;   // two characters: not a page
    k.Entries[3].Commentary = u"\r\n"_s; // a line break only: not a page
    k.Entries[4].Commentary = u"abc"_s;  // three: a page
    k.Entries[5].Commentary.clear();
    k.Entries[1].Verse.clear(); // a verse is listed whatever its length
    EXPECT_EQ(PageRows(k), (QStringList{QString(), k.Entries[2].Verse, u"プロフィール"_s}));

    Kushu empty;
    EXPECT_TRUE(PageRows(empty).isEmpty());
    EXPECT_EQ(PageWord(EntryKind::Prof), u"プロフィ｜ル"_s);
    EXPECT_EQ(PageWord(EntryKind::Jo), u"序"_s);
}

TEST(SampleCollection, ReadsBackWholeWithEverySpecialPageAndManyColours) {
    const QStringList names =
        QDir(QStringLiteral(YOMIWA_SAMPLES_DIR)).entryList({u"*.Ywk"_s}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 1);
    const QString path = QStringLiteral(YOMIWA_SAMPLES_DIR) + names.front();
    const KushuReadResult read = ReadKushuFile(path);
    ASSERT_TRUE(read.ok()) << read.Error.toStdString();
    const Kushu& k = read.Collection;
    EXPECT_EQ(names.front(), k.Title + u"_"_s + k.Edition + u".Ywk"_s);
    EXPECT_TRUE(k.Password.isEmpty());
    EXPECT_GE(k.KuCount(), 8);
    const QStringList rows = PageRows(k);
    EXPECT_EQ(rows.size(), k.KuCount() + 4); // all four special pages are shown
    QSet<ColourValue> backgrounds;
    for (const KuEntry& e : k.Entries)
        backgrounds.insert(e.Colours[WholeBack]);
    EXPECT_GE(backgrounds.size(), 5);
    for (int i = 1; i <= k.KuCount(); ++i) {
        EXPECT_FALSE(k.Entries[i].Verse.isEmpty());
        EXPECT_TRUE(IsListedInViewer(k.Entries[i].Commentary));
    }
    // Written by the program's own writer: it writes the same bytes again.
    const SerializedFile again = SerializeKushu(k);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.Bytes, test::ReadBytes(path));
}
