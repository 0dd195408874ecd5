// Where an installed or portable Yomiwa keeps its files, and what its command line does.

#include "AppFolderChoice.h"
#include "CommandLine.h"
#include "Desktop.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// The data folder under a private HOME, as an installed program named "yomiwa" sees it.
class DataFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_home = qgetenv("HOME");
        qputenv("HOME", home.Path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName({});
        QCoreApplication::setApplicationName(u"yomiwa"_s);
        for (const QString& name : {u"春_一.Ywk"_s, u"秋_一.Ywk"_s})
            WriteBytes(samples.File(name), Sjis(name));
    }
    void TearDown() override { qputenv("HOME", m_home); }

    app::FolderChoice Choose() const {
        return app::ChooseAppFolder(exe.Path().chopped(1), samples.Path().chopped(1));
    }
    QString Data() const { return home.File(u".qttest/share/yomiwa/"_s); }
    QStringList Files(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    Folder home, exe, samples;

private:
    QByteArray m_home;
};

TEST_F(DataFolder, PortableMarkerKeepsTheExecutablesFolderAndWritesNothingElse) {
    WriteBytes(exe.File(u"portable"_s), {});
    const app::FolderChoice choice = Choose();
    EXPECT_TRUE(choice.Portable);
    EXPECT_EQ(choice.Folder, exe.Path());
    EXPECT_EQ(choice.Problem, QString());
    EXPECT_EQ(Files(exe.Path()), QStringList{u"portable"_s});
    EXPECT_FALSE(QFileInfo::exists(Data()));
}

TEST_F(DataFolder, InstalledOffersEachSampleOnceAndNeverOverAUsersFile) {
    QFile::setPermissions(samples.File(u"春_一.Ywk"_s), QFile::ReadOwner); // as installed
    app::FolderChoice choice = Choose();
    EXPECT_FALSE(choice.Portable);
    EXPECT_EQ(choice.Folder, Data());
    EXPECT_EQ(choice.Problem, QString());
    EXPECT_EQ(Files(exe.Path()), QStringList()); // nothing beside the executable
    EXPECT_EQ(Files(Data()), (QStringList{u".samples-offered"_s, u"春_一.Ywk"_s, u"秋_一.Ywk"_s}));
    EXPECT_TRUE(QFileInfo(Data() + u"春_一.Ywk"_s).isWritable());

    // The user changes one sample and deletes the other; a newer sample comes with an
    // update, but the user already has a file of that name.
    WriteBytes(Data() + u"春_一.Ywk"_s, "mine");
    QFile::remove(Data() + u"秋_一.Ywk"_s);
    WriteBytes(samples.File(u"冬_一.Ywk"_s), "sample");
    WriteBytes(Data() + u"冬_一.Ywk"_s, "also mine");
    WriteBytes(samples.File(u"夏_一.Ywk"_s), Sjis(u"夏"_s));
    choice = Choose();
    EXPECT_EQ(choice.Problem, QString());
    EXPECT_EQ(ReadBytes(Data() + u"春_一.Ywk"_s), "mine");
    EXPECT_FALSE(QFileInfo::exists(Data() + u"秋_一.Ywk"_s));
    EXPECT_EQ(ReadBytes(Data() + u"冬_一.Ywk"_s), "also mine");
    EXPECT_EQ(ReadBytes(Data() + u"夏_一.Ywk"_s), Sjis(u"夏"_s));
}

TEST_F(DataFolder, AFolderThatCannotBeMadeIsNamed) {
    WriteBytes(home.File(u".qttest"_s), {}); // a file where the folder would go
    const app::FolderChoice choice = Choose();
    EXPECT_EQ(choice.Folder, Data());
    EXPECT_EQ(choice.Problem,
              u"データフォルダ「"_s + Data() +
                  u"」を作成できません。\r句集や感想を保存することはできません。"_s);
}

TEST(CommandLine, FileHelpVersionAndEveryUsageFault) {
    using A = app::CommandLine::Action;
    const QString here = QDir::currentPath() + u'/';
    const struct {
        QStringList Args;
        A What;
        QString File, Output;
    } cases[] = {
        {{}, A::Run, {}, {}},
        {{u"sub/春_一.Ywk"_s}, A::Run, here + u"sub/春_一.Ywk"_s, {}},
        {{u"/x/A.YWK"_s}, A::Run, u"/x/A.YWK"_s, {}},
        {{u"--"_s, u"-a.ywk"_s}, A::Run, here + u"-a.ywk"_s, {}},
        {{u"--help"_s}, A::Help, {}, u"使い方: yomiwa [句集ファイル.Ywk]\n"_s},
        {{u"-h"_s, u"a.txt"_s}, A::Help, {}, u"使い方: yomiwa [句集ファイル.Ywk]\n"_s},
        {{u"--version"_s}, A::Version, {}, u"yomiwa 1.1\n"_s},
        {{u"a.txt"_s}, A::Usage, {}, u"yomiwa: 句集ファイル（.Ywk）ではありません: a.txt\n"_s},
        {{u"a.Ywk"_s, u"b.Ywk"_s}, A::Usage, {}, u"yomiwa: 開ける句集ファイルは一つだけです。\n"_s},
        {{u"--bogus"_s}, A::Usage, {}, u"yomiwa: 不明なオプションです: bogus\n"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.join(u' ').toStdString());
        const app::CommandLine line =
            app::ParseCommandLine(QStringList{u"yomiwa"_s} + c.Args, u"1.1"_s);
        EXPECT_EQ(line.What, c.What);
        EXPECT_EQ(line.File, c.File);
        EXPECT_TRUE(line.Output.startsWith(c.Output)) << line.Output.toStdString();
        EXPECT_EQ(line.ExitCode(), c.What == A::Usage ? 2 : 0);
        if (c.What == A::Usage) {
            EXPECT_TRUE(line.Output.endsWith(u"使い方: yomiwa [句集ファイル.Ywk]\n"_s));
        }
    }
    EXPECT_TRUE(app::ParseCommandLine({u"yomiwa"_s, u"-platform"_s}, {}).UnknownOption);
}

TEST(CommandLine, TheProgramAnswersWithoutAWindow) {
    const struct {
        QStringList Args;
        int Exit;
        QByteArray Out, Err;
    } cases[] = {
        {{u"--version"_s}, 0, "yomiwa 1.1\n", ""},
        {{u"a.Ywk"_s, u"b.Ywk"_s}, 2, "", "yomiwa: "},
        {{u"notes.txt"_s}, 2, "", "yomiwa: "},
    };
    for (const auto& c : cases) {
        QProcess program;
        program.start(QStringLiteral(YOMIWA_PROGRAM), c.Args);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), c.Exit);
        EXPECT_EQ(program.readAllStandardOutput(), c.Out);
        EXPECT_TRUE(program.readAllStandardError().startsWith(c.Err));
    }
}

TEST(Desktop, QtsOwnTextsAreJapaneseAndTheIconDraws) {
    ASSERT_TRUE(app::InstallQtTranslations(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
    const QIcon icon = app::AppIcon();
    EXPECT_FALSE(icon.pixmap(48).toImage().pixelColor(24, 24).alpha() == 0);
}

} // namespace
