// SPDX-License-Identifier: GPL-3.0-or-later
// The files under faults: a full disk, links, leftovers of an interrupted save next to a
// user's own files. (Folders and FIFOs in a file's place: see the reading window's faults.)

#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString DiskFull = u"ディスクの空きが足りないか、書き込み中にエラーが起きました。"_s;

QString SaveHead(const QString& name) {
    return u"ファイル「"_s + name + u"」を保存できません。\r"_s;
}

// The writers of the two files of a collection, each replacing 春_一 of its kind in the
// folder. (Exports go through the same path: see the strip's export tests.)
struct Writer {
    QString Name;
    QString (*Write)(const QString& folder, int size);
};
QString WriteCollection(const QString& folder, int size) {
    return WriteKushuFile(folder, MakeKushu(size)).error();
}
QString WriteComments(const QString& folder, int size) {
    return WriteKansoFile(folder, u"春_一.kan"_s, QStringList(size + 4, u"感想"_s)).error();
}
const Writer Writers[] = {
    {u"春_一.Ywk"_s, &WriteCollection},
    {u"春_一.kan"_s, &WriteComments},
};

} // namespace

TEST(FileFaults, AFullDiskIsReportedAndTheOldFileKept) {
    // Small payloads are the ones that stay in a write buffer until the very end.
    for (const Writer& w : Writers) {
        for (auto [size, limit] : {std::pair{2, 100}, std::pair{3000, 64 * 1024}}) {
            SCOPED_TRACE(w.Name.toStdString() + " " + std::to_string(size));
            Folder folder;
            WriteBytes(folder.File(w.Name), "old contents");
            EXPECT_EQ(WithFileSizeLimit(limit, [&] { return w.Write(folder.Path(), size); }),
                      SaveHead(w.Name) + DiskFull);
            EXPECT_EQ(ReadBytes(folder.File(w.Name)), QByteArray("old contents"));
            EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{w.Name});
        }
    }
}

TEST(FileFaults, SavingNeverWritesThroughALinkOrOverAnotherKindOfFile) {
    Folder folder;
    Folder elsewhere;
    const QString target = elsewhere.File(u"大事.txt"_s);
    WriteBytes(target, "KANSOSTART--\r\n\r\nKANSOEND--\r\n");
    for (const Writer& w : Writers) {
        SCOPED_TRACE(w.Name.toStdString());
        const QString path = folder.File(w.Name);
        for (const QString& to : {target, elsewhere.File(u"無い"_s)}) {
            QFile::link(to, path);
            EXPECT_EQ(w.Write(folder.Path(), 0),
                      SaveHead(w.Name) + u"このファイルはシンボリックリンクです。リンク先の"_s +
                          u"ファイルを書き換えないよう、保存を取りやめました。"_s);
            EXPECT_TRUE(QFileInfo(path).isSymLink());
            QFile::remove(path);
        }
        EXPECT_EQ(ReadBytes(target), QByteArray("KANSOSTART--\r\n\r\nKANSOEND--\r\n"));
        EXPECT_FALSE(QFileInfo::exists(elsewhere.File(u"無い"_s)));
    }
}

TEST(FileFaults, OnlyThisProgramsOwnLeftoversAreRemovedAndPermissionsAreKept) {
    const mode_t umask = ::umask(027);
    for (const Writer& w : Writers) {
        SCOPED_TRACE(w.Name.toStdString());
        Folder folder;
        const QString ours = u'.' + w.Name + u".yomiwa-"_s;
        // Backups, a sweep of the saving file's old pattern, near misses of our own.
        const QStringList keep = {w.Name + u".backup"_s, w.Name + u".old123"_s,
                                  w.Name + u".AbC123"_s, u"x.pdf.old123"_s,
                                  ours + u"abc12"_s,     ours + u"abc1234"_s,
                                  ours + u"ab_123"_s,    u'.' + ours + u"abc123"_s};
        for (const QString& name : keep + QStringList{ours + u"abc123"_s, ours + u"Q1w2E3"_s})
            WriteBytes(folder.File(name), "left");
        QDir().mkdir(folder.File(ours + u"Dir123"_s));
        QFile::link(folder.File(u"x"_s), folder.File(ours + u"Lnk123"_s));
        EXPECT_EQ(w.Write(folder.Path(), 1), QString());
        // Qt's flags hold the mode's digits: 0x6040 is rw-r-----, as any new file here.
        EXPECT_EQ(QFile::permissions(folder.File(w.Name)) & 0x7077, 0x6040);
        QStringList expected = keep + QStringList{w.Name, ours + u"Dir123"_s, ours + u"Lnk123"_s};
        expected.sort();
        EXPECT_EQ(
            QDir(folder.Path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                           QDir::Name),
            expected);
        ::chmod(QFile::encodeName(folder.File(w.Name)).constData(), 0604);
        EXPECT_EQ(w.Write(folder.Path(), 2), QString());
        EXPECT_EQ(QFile::permissions(folder.File(w.Name)) & 0x7077, 0x6004); // kept
    }
    ::umask(umask);
}

TEST(FileFaults, OneMessagePerCause) {
    Folder folder;
    const QString title = QString(u"長"_s).repeated(90); // too long to name a file
    EXPECT_EQ(WriteKushuFile(folder.Path(), MakeKushu(1, title)).error(),
              SaveHead(title + u"_一.Ywk"_s) + u"ファイル名が長すぎます。"_s);

    // Too large, from the limit on: the comments too (the collection: see the viewer).
    WriteBytes(folder.File(u"大_一.kan"_s), {});
    ASSERT_TRUE(QFile::resize(folder.File(u"大_一.kan"_s), qint64(512) * 1024 * 1024));
    EXPECT_EQ(ErrorOf(ReadKansoFile(folder.Path(), u"大_一.kan"_s, 0)),
              (Error{ErrorKind::TooLarge, u"感想を読み込めません。\rファイルが大きすぎます。"_s}));
}
