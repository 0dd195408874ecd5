// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ToolCommands.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "tests/TestSupport.h"
#include "tools/KansoJson.h"
#include "tools/KushuJson.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::tool;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// A run as the console sees it: the exit code and both streams.
struct Console {
    int Exit = ExitOk;
    QByteArray Out;
    QString Err;
    bool operator==(const Console&) const = default;
};

void PrintTo(const Console& run, std::ostream* out) {
    *out << run.Exit << " out: " << run.Out.toStdString() << " error: " << run.Err.toStdString();
}

Console RunOf(const QStringList& arguments) {
    const Result<ToolOutput> run = RunTool(arguments);
    return {ExitCodeOf(run), run.ok() ? run.value().Out : QByteArray(),
            run.ok() ? run.value().Notes : run.error()};
}

Console Usage(const QString& reason) {
    return {ExitUsage, {}, reason + u"\n\n"_s + UsageText()};
}

} // namespace

TEST(ToolCommands, BuildThenDumpGivesTheSameJsonAndTheSameBytes) {
    Folder folder;
    Kushu k = MakeKushu(3, u"春_夏"_s, u"二"_s);
    k.Password = u"ひみつ"_s;
    WriteBytes(folder.File(u"in.json"_s), KushuJsonText(k));
    ASSERT_TRUE(QDir(folder.Path()).mkdir(u"out"_s));
    const QString ywk = folder.File(u"out/春_夏_二.Ywk"_s);
    EXPECT_EQ(RunOf({u"build"_s, folder.File(u"in.json"_s), folder.File(u"out"_s)}),
              (Console{ExitOk, ywk.toUtf8() + '\n', {}}));
    ASSERT_TRUE(WriteKushuFile(folder.Path(), k).ok());
    EXPECT_EQ(ReadBytes(ywk), ReadBytes(folder.File(u"春_夏_二.Ywk"_s)));
    EXPECT_EQ(RunOf({u"dump"_s, ywk}), (Console{ExitOk, KushuJsonText(k), {}}));

    // Comments the same way: every block, whatever collection the file belongs to.
    const QStringList comments = {
        {}, u"よい句\r\n二行目"_s, u"a\nb"_s, u"KANSOEND--"_s, u"末尾\r\n"_s};
    const QByteArray json = CommentsJsonText(comments);
    WriteBytes(folder.File(u"c.json"_s), json);
    const QString kan = folder.File(u"春_一.kan"_s);
    EXPECT_EQ(RunOf({u"build-comments"_s, folder.File(u"c.json"_s), kan}), Console{});
    EXPECT_EQ(ReadBytes(kan), SerializeKanso(comments).value());
    EXPECT_EQ(RunOf({u"dump-comments"_s, kan}), (Console{ExitOk, json, {}}));
}

TEST(ToolCommands, BadArgumentsAndBadJsonAreUsageErrors) {
    Folder folder;
    const QString good = folder.File(u"good.json"_s), comments = folder.File(u"c.json"_s);
    WriteBytes(good, KushuJsonText(MakeKushu(0)));
    WriteBytes(comments, R"({"comments": []})");
    const QString nowhere = folder.File(u"nowhere"_s);
    const std::pair<QStringList, QString> cases[] = {
        {{}, u"コマンドがありません。"_s},
        {{u"show"_s, good}, u"「show」というコマンドはありません。"_s},
        {{u"build"_s, nowhere, folder.Path()},
         u"JSON ファイル「"_s + nowhere + u"」を読み込めません。"_s},
        {{u"build"_s, good, nowhere}, u"フォルダ「"_s + nowhere + u"」がありません。"_s},
        {{u"build-comments"_s, comments, folder.Path()},
         u"「"_s + folder.Path() + u"」はファイル名で終わっていません。"_s},
        {{u"search"_s, nowhere, u"古池"_s}, u"フォルダ「"_s + nowhere + u"」がありません。"_s},
        {{u"count"_s}, u"「count」には数える句が必要です（TEXT...）。"_s},
    };
    for (const auto& [arguments, reason] : cases)
        EXPECT_EQ(RunOf(arguments), Usage(reason));
    const QString broken = folder.File(u"broken.json"_s);
    WriteBytes(broken, R"({"title": "a",)");
    const Console run = RunOf({u"build"_s, broken, folder.Path()});
    EXPECT_TRUE(run.Exit == ExitUsage && run.Err.startsWith(u"JSON ファイル「"_s + broken +
                                                            u"」を JSON として読めません（"_s));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files),
              (QStringList{u"broken.json"_s, u"c.json"_s, u"good.json"_s}));
    EXPECT_EQ(RunOf({u"--help"_s}), (Console{ExitOk, UsageText().toUtf8(), {}}));
}

TEST(ToolCommands, RenderGivesExitCodesAndMessages) {
    Folder folder;
    ASSERT_TRUE(WriteKushuFile(folder.Path(), MakeKushu(2)).ok()); // six pages
    const QString ywk = folder.File(u"春_一.Ywk"_s);
    const QString pdf = folder.File(u"a.pdf"_s), png = folder.File(u"a.png"_s);
    WriteBytes(folder.File(u"bad.Ywk"_s), "x\r\n");
    const QString refused = u"この句集には書き出すページがありません。"_s;
    const std::pair<QStringList, Console> cases[] = {
        {{ywk, png, u"--page"_s, u"1"_s, u"--scale"_s, u"2"_s}, {ExitOk, png.toUtf8() + '\n', {}}},
        {{ywk, png}, Usage(u"PNG 画像には --page でページを指定してください。"_s)},
        {{ywk, png, u"--page"_s, u"7"_s},
         Usage(u"--pages：「7」はこの句集にないページです（1 から 6 まで）。"_s)},
        {{ywk, pdf, u"--pages"_s, u"2-3,6"_s, u"--verses-only"_s, u"--signed"_s, u"--layout"_s,
          u"b4-borderless"_s},
         {ExitOk, pdf.toUtf8() + '\n', {}}},
        {{ywk, pdf, u"--pages"_s, u"1"_s, u"--page"_s, u"2"_s},
         Usage(u"オプション「--page」は一度だけ指定してください。"_s)},
        {{ywk, png, u"--page"_s, u"1"_s, u"--signed"_s},
         Usage(u"--signed は PDF にだけ指定できます。"_s)},
        {{ywk, png, u"--pages"_s, u"1-2"_s},
         Usage(u"PNG 画像には --page でページを一つだけ指定してください。"_s)},
        {{ywk, pdf, u"--pages"_s, u"1,6"_s, u"--verses-only"_s}, {ExitRefused, {}, refused}},
        {{ywk, pdf, u"--layout"_s, u"a3"_s},
         Usage(
             u"--layout には tanzaku、b4、b4-borderless、a4、a4-fit のどれかを指定してください。"_s)},
        {{folder.File(u"bad.Ywk"_s), pdf},
         {ExitRefused, {}, ReadKushuFile(folder.File(u"bad.Ywk"_s)).error()}},
    };
    for (const auto& [arguments, run] : cases)
        EXPECT_EQ(RunOf(QStringList{u"render"_s} + arguments), run);
    EXPECT_EQ(QImage(png).size(), QSize(362, 1066));
}

// The program itself: the output on stdout, the reader's message on stderr with its CR a
// newline, the exit code as RunTool's result says (a usage error: see above). It draws
// without any display, choosing the offscreen platform itself, and says nothing of Qt's
// where no runtime folder is set.
TEST(ToolCommands, TheProgramGivesExitCodesAndStreamsAndDrawsWithoutADisplay) {
    Folder folder;
    ASSERT_TRUE(WriteKushuFile(folder.Path(), MakeKushu(2)).ok());
    WriteBytes(folder.File(u"壊_一.Ywk"_s), Sjis(u"題\r\n\r\n一\r\n\r\nJOSTART\r\n"_s));
    const QString ywk = folder.File(u"春_一.Ywk"_s), pdf = folder.File(u"b.pdf"_s);
    const QString broken = u"壊_一.Ywk: 句集を開けません。 ５行目のデータが不正です。\n"_s;
    const QByteArray found = "春_一.Ywk\t2\t句\t古池や蛙飛びこむ水の音1\n";
    const std::pair<QStringList, Console> runs[] = {
        {{u"dump"_s, folder.File(u"壊_一.Ywk"_s)},
         {1, {}, u"句集を開けません。\n５行目のデータが不正です。\n"_s}},
        {{u"render"_s, ywk, pdf, u"--layout"_s, u"b4"_s}, {0, pdf.toUtf8() + '\n', {}}},
        {{u"count"_s, u"古池や蛙飛び込む水の音"_s, u"夏草や"_s}, {0, "5 7 5 17\n5 0 0 5\n", {}}},
        {{u"search"_s, folder.Path(), u"水の音１"_s}, {0, found, broken}},
        {{u"search"_s, folder.Path(), u"ない"_s}, {1, {}, broken}},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name :
         {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"XDG_RUNTIME_DIR"_s})
        environment.remove(name);
    for (const auto& [arguments, run] : runs) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(YOMIWA_TOOL_PATH), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ((Console{process.exitCode(), process.readAllStandardOutput(),
                           QString::fromUtf8(process.readAllStandardError())}),
                  run);
    }
    EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF"));
}
