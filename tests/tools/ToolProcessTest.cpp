#include "KushuFile.h"
#include "KushuJson.h"
#include "TestSupport.h"
#include "ToolCommands.h"

#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::tool;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct ProgramRun {
    int Exit = -1;
    QByteArray Out;
    QByteArray Err;
};

ProgramRun RunProgram(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(YOMIWA_TOOL_PATH), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "yomiwa-tool did not finish normally";
        process.kill();
        return run;
    }
    run.Exit = process.exitCode();
    run.Out = process.readAllStandardOutput();
    run.Err = process.readAllStandardError();
    return run;
}

} // namespace

TEST(ToolProgram, ExitCodesAndStreams) {
    Folder folder;
    const Kushu k = MakeKushu(2);
    WriteBytes(folder.File(u"in.json"_s), QJsonDocument(KushuToJson(k)).toJson());

    const ProgramRun built = RunProgram({u"build"_s, folder.File(u"in.json"_s), folder.Path()});
    EXPECT_EQ(built.Exit, 0) << built.Err.toStdString();
    EXPECT_EQ(built.Out, folder.File(u"春_一.Ywk"_s).toUtf8() + '\n');
    EXPECT_TRUE(built.Err.isEmpty());

    const ProgramRun dumped = RunProgram({u"dump"_s, folder.File(u"春_一.Ywk"_s)});
    EXPECT_EQ(dumped.Exit, 0);
    EXPECT_EQ(dumped.Out, ReadBytes(folder.File(u"in.json"_s)));
    EXPECT_TRUE(dumped.Err.isEmpty());

    // A refused file: exit 1, the program's message on stderr, its CR a newline.
    WriteBytes(folder.File(u"壊_一.Ywk"_s), Sjis(u"題\r\n\r\n一\r\n\r\nJOSTART\r\n"_s));
    const ProgramRun refused = RunProgram({u"dump"_s, folder.File(u"壊_一.Ywk"_s)});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_TRUE(refused.Out.isEmpty());
    EXPECT_EQ(refused.Err, u"句集を開けません。\n５行目のデータが不正です。\n"_s.toUtf8());

    const ProgramRun brokenComments = RunProgram({u"dump-comments"_s, folder.File(u"壊_一.Ywk"_s)});
    EXPECT_EQ(brokenComments.Exit, 0) << "a file without blocks has no comments";
    EXPECT_EQ(brokenComments.Out, QByteArray("{\n    \"comments\": [\n    ]\n}\n"));

    // Usage errors: exit 2, the reason and the usage on stderr.
    const QByteArray usage = ConsoleText(UsageText());
    for (const QStringList& arguments :
         {QStringList{}, QStringList{u"dump"_s}, QStringList{u"frobnicate"_s, u"x"_s},
          QStringList{u"build"_s, folder.File(u"春_一.Ywk"_s), folder.Path()},
          QStringList{u"build"_s, folder.File(u"in.json"_s), folder.File(u"nowhere"_s)}}) {
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(run.Exit, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.endsWith("\n\n" + usage)) << run.Err.toStdString();
        EXPECT_GT(run.Err.size(), usage.size() + 2);
    }

    const ProgramRun help = RunProgram({u"--help"_s});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_EQ(help.Out, usage);
}
