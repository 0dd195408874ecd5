#include "KushuFile.h"
#include "PageList.h"
#include "TestSupport.h"
#include "ViewerFiles.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::viewer;
using namespace Qt::Literals::StringLiterals;

TEST(ViewerFiles, FolderCollectionListAndKeepingName) {
    EXPECT_EQ(AppFolderOf(u"/home/読者/句集"_s), u"/home/読者/句集/"_s);
    EXPECT_EQ(AppFolderOf(u"/"_s), u"/"_s); // a root keeps its one separator

    test::Folder folder;
    for (const QString& name : {u"B_一.Ywk"_s, u"A_一.ywk"_s, u"c_二.YWK"_s, u"a_二.Ywk"_s,
                                u"d.txt"_s, u"e.Ywk.bak"_s, u"Ywk"_s})
        test::WriteBytes(folder.File(name), "x");
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"g_一.Ywk"_s)); // a folder is not a collection
    EXPECT_EQ(CollectionFileNames(folder.Path()),
              (QStringList{u"A_一.ywk"_s, u"a_二.Ywk"_s, u"B_一.Ywk"_s, u"c_二.YWK"_s}));
    EXPECT_TRUE(CollectionFileNames(folder.File(u"missing/"_s)).isEmpty());

    const QString path = folder.File(u"d.txt"_s);
    EXPECT_EQ(FreeKeepingPath(path), path + u".bak"_s);
    test::WriteBytes(path + u".bak"_s, "old");
    EXPECT_EQ(FreeKeepingPath(path), path + u".bak2"_s);
}

TEST(PageList, SpecialPagesOnlyWithContentVersesAlways) {
    Kushu k = test::MakeKushu(2);
    k.Entries[0].Commentary = u"ab"_s;   // two characters: not a page
    k.Entries[3].Commentary = u"\r\n"_s; // a line break only: not a page
    k.Entries[4].Commentary = u"abc"_s;  // three: a page
    k.Entries[5].Commentary.clear();
    k.Entries[1].Verse.clear(); // a verse is listed whatever its length
    EXPECT_EQ(PageRows(k), (QStringList{QString(), k.Entries[2].Verse, u"プロフィール"_s}));
}

TEST(SampleCollections, EachReadsBackWholeUnderItsOwnName) {
    const QString folder = QStringLiteral(YOMIWA_SAMPLES_DIR);
    const QStringList names = QDir(folder).entryList({u"*.Ywk"_s}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const KushuReadResult read = ReadKushuFile(folder + name);
        ASSERT_TRUE(read.ok()) << name.toStdString() << read.Error.toStdString();
        const Kushu& k = read.Collection;
        EXPECT_EQ(name, k.Title + u"_"_s + k.Edition + u".Ywk"_s);
        EXPECT_TRUE(k.Password.isEmpty()) << "anyone may edit " << name.toStdString();
        // Written by the program's own writer: it writes the same bytes again.
        EXPECT_EQ(SerializeKushu(k).value(), test::ReadBytes(folder + name)) << name.toStdString();
    }
}
