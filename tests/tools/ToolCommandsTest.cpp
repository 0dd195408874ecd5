#include "ToolCommands.h"
#include "KansoFile.h"
#include "KushuFile.h"
#include "KushuJson.h"
#include "TestSupport.h"
#include "ToolTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::tool;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray JsonOf(const Kushu& k) {
    return QJsonDocument(KushuToJson(k)).toJson();
}

void ExpectUsage(const ToolResult& result, const QString& message) {
    EXPECT_EQ(result.Exit, ExitUsage);
    EXPECT_EQ(result.Error, message + u"\n\n"_s + UsageText());
    EXPECT_TRUE(result.Out.isEmpty());
}

void ExpectRefused(const ToolResult& result, const QString& message) {
    EXPECT_EQ(result.Exit, ExitRefused);
    EXPECT_EQ(result.Error, message);
    EXPECT_TRUE(result.Out.isEmpty());
}

const QString CannotOpen = u"句集を開けません。\r"_s;

} // namespace

TEST(ToolCollectionCommands, BuildThenDumpGivesTheSameJsonAndTheSameBytes) {
    Folder folder;
    Kushu k = MakeKushu(3, u"春_夏"_s, u"二"_s);
    k.Password = u"ひみつ"_s;
    k.Entries[2].Commentary = u"一行目\r\n\r\nａ\nb\r\n"_s;
    k.Entries[4].Colours[WholeBack] = SystemColour(15);
    const QString jsonPath = folder.File(u"in.json"_s);
    WriteBytes(jsonPath, JsonOf(k));
    QDir(folder.Path()).mkdir(u"out"_s);

    // The folder may be given with or without its separator.
    for (const QString& out : {folder.File(u"out"_s), folder.File(u"out/"_s)}) {
        const ToolResult built = RunTool({u"build"_s, jsonPath, out});
        ASSERT_EQ(built.Exit, ExitOk) << built.Error.toStdString();
        EXPECT_EQ(built.Out, (folder.File(u"out/春_夏_二.Ywk"_s)).toUtf8() + '\n');
        EXPECT_TRUE(built.Error.isEmpty());
    }
    ASSERT_EQ(WriteKushuFile(folder.Path(), k), QString());
    EXPECT_EQ(ReadBytes(folder.File(u"out/春_夏_二.Ywk"_s)),
              ReadBytes(folder.File(u"春_夏_二.Ywk"_s)));

    const ToolResult dumped = RunTool({u"dump"_s, folder.File(u"out/春_夏_二.Ywk"_s)});
    ASSERT_EQ(dumped.Exit, ExitOk) << dumped.Error.toStdString();
    EXPECT_EQ(dumped.Out, JsonOf(k));
    EXPECT_TRUE(dumped.Error.isEmpty());
}

TEST(ToolCollectionCommands, RefusedFilesGiveTheProgramsMessage) {
    Folder folder;
    const QString path = folder.File(u"壊_一.Ywk"_s);
    WriteBytes(path, Sjis(u"題\r\n作者\r\n一\r\n\r\nKUSTART--\r\n"_s));
    ExpectRefused(RunTool({u"dump"_s, path}), CannotOpen + u"５行目のデータが不正です。"_s);

    WriteBytes(path, SerializeKushu(MakeKushu(1)).Bytes.chopped(strlen("OKUEND--\r\n")));
    ExpectRefused(RunTool({u"dump"_s, path}),
                  CannotOpen + u"ファイルが途中で終わっています（「OKUEND--」がありません）。"_s);

    ExpectRefused(RunTool({u"dump"_s, folder.File(u"無い.Ywk"_s)}),
                  CannotOpen + u"ファイル「無い.Ywk」を読み込めません。"_s);
}

TEST(ToolCollectionCommands, WritesTheModelRefusesWriteNothing) {
    Folder folder;
    const QString jsonPath = folder.File(u"in.json"_s);
    Kushu unsafe = MakeKushu(1, u"春/夏"_s);
    WriteBytes(jsonPath, JsonOf(unsafe));
    const ToolResult result = RunTool({u"build"_s, jsonPath, folder.Path()});
    EXPECT_EQ(result.Exit, ExitRefused);
    EXPECT_EQ(result.Error, WriteKushuFile(folder.Path(), unsafe));
    EXPECT_TRUE(
        result.Error.startsWith(u"句集を保存できません。\r句集名にファイル名に使えない文字"_s));

    Kushu endMarker = MakeKushu(1);
    endMarker.Entries[1].Commentary = u"a\r\nKUEND--"_s;
    WriteBytes(jsonPath, JsonOf(endMarker));
    const ToolResult marker = RunTool({u"build"_s, jsonPath, folder.Path()});
    EXPECT_EQ(marker.Exit, ExitRefused);
    EXPECT_EQ(marker.Error, SerializeKushu(endMarker).Error);
    EXPECT_FALSE(marker.Error.isEmpty());
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{u"in.json"_s});
}

TEST(ToolCommentsCommands, RoundTripAndRefusedFiles) {
    Folder folder;
    const QStringList comments = {QString(), u"よい句\r\n二行目"_s, QString(),
                                  u"a\nb"_s, u"KANSOEND--"_s,       u"末尾\r\n"_s};
    const QString jsonPath = folder.File(u"c.json"_s);
    WriteBytes(
        jsonPath,
        QJsonDocument(QJsonObject{{u"comments"_s, QJsonArray::fromStringList(comments)}}).toJson());
    const ToolResult built = RunTool({u"build-comments"_s, jsonPath, folder.File(u"春_一.kan"_s)});
    ASSERT_EQ(built.Exit, ExitOk) << built.Error.toStdString();
    EXPECT_TRUE(built.Out.isEmpty());
    ASSERT_EQ(WriteKansoFile(folder.Path(), u"比較.kan"_s, comments), QString());
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.kan"_s)), ReadBytes(folder.File(u"比較.kan"_s)));
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2).Comments, comments);

    const ToolResult dumped = RunTool({u"dump-comments"_s, folder.File(u"春_一.kan"_s)});
    ASSERT_EQ(dumped.Exit, ExitOk) << dumped.Error.toStdString();
    EXPECT_EQ(dumped.Out, ReadBytes(jsonPath));

    // Every block counts, whatever collection the file belongs to.
    WriteBytes(folder.File(u"一.kan"_s), "KANSOSTART--\r\n\x82\xa0\r\nKANSOEND--\r\n");
    EXPECT_EQ(RunTool({u"dump-comments"_s, folder.File(u"一.kan"_s)}).Out,
              QByteArray("{\n    \"comments\": [\n        \"\xe3\x81\x82\"\n    ]\n}\n"));

    const QString head = u"感想を読み込めません。\r"_s;
    const QString broken = folder.File(u"壊.kan"_s);
    WriteBytes(broken, "KANSOSTART--\r\na\r\nKANSOEND--\r\nKANSOSTART--\r\nb\r\n");
    ExpectRefused(RunTool({u"dump-comments"_s, broken}),
                  head + u"ファイルが途中で終わっています（「KANSOEND--」がありません）。"_s);
    WriteBytes(broken, "KANSOSTART--\r\na\r\nKANSOEND--\r\nKANSOSTART--\r\n\x82\r\nKANSOEND--\r\n");
    ExpectRefused(RunTool({u"dump-comments"_s, broken}),
                  head + u"５行目にShift-JISとして読めない文字があります。"_s);
    ExpectRefused(RunTool({u"dump-comments"_s, folder.File(u"無い.kan"_s)}),
                  head + u"ファイル「無い.kan」を読み込めません。"_s);

    // A comment the file cannot hold is refused by the writer, naming the page.
    WriteBytes(jsonPath, R"({"comments": ["a", "x\r\nKANSOSTART--"]})");
    const ToolResult refused = RunTool({u"build-comments"_s, jsonPath, folder.File(u"新.kan"_s)});
    ExpectRefused(refused, SerializeKanso({u"a"_s, u"x\r\nKANSOSTART--"_s}).Error);
    EXPECT_TRUE(refused.Error.startsWith(u"感想を保存できません。\r2番目のページの感想に"_s));
    EXPECT_FALSE(QFile::exists(folder.File(u"新.kan"_s)));
}

TEST(ToolUsage, BadArgumentsAndBadJsonAreUsageErrors) {
    Folder folder;
    const QString good = folder.File(u"good.json"_s);
    WriteBytes(good, JsonOf(MakeKushu(0)));
    const QString comments = folder.File(u"c.json"_s);
    WriteBytes(comments, R"({"comments": []})");

    ExpectUsage(RunTool({}), u"コマンドがありません。"_s);
    ExpectUsage(RunTool({u"show"_s, good}), u"「show」というコマンドはありません。"_s);
    ExpectUsage(RunTool({u"dump"_s}), u"「dump」には引数が1つ必要です（FILE.Ywk）。"_s);
    ExpectUsage(RunTool({u"dump"_s, u"a"_s, u"b"_s}),
                u"「dump」には引数が1つ必要です（FILE.Ywk）。"_s);
    ExpectUsage(RunTool({u"build"_s, good}),
                u"「build」には引数が2つ必要です（FILE.json FOLDER）。"_s);
    ExpectUsage(RunTool({u"dump-comments"_s}),
                u"「dump-comments」には引数が1つ必要です（FILE.kan）。"_s);
    ExpectUsage(RunTool({u"build-comments"_s, comments, u"a"_s, u"b"_s}),
                u"「build-comments」には引数が2つ必要です（FILE.json FILE.kan）。"_s);

    const QString missing = folder.File(u"missing.json"_s);
    ExpectUsage(RunTool({u"build"_s, missing, folder.Path()}),
                u"JSON ファイル「"_s + missing + u"」を読み込めません。"_s);
    const QString broken = folder.File(u"broken.json"_s);
    WriteBytes(broken, R"({"title": "a",)");
    const ToolResult syntax = RunTool({u"build"_s, broken, folder.Path()});
    EXPECT_EQ(syntax.Exit, ExitUsage);
    EXPECT_TRUE(
        syntax.Error.startsWith(u"JSON ファイル「"_s + broken + u"」を JSON として読めません（"_s))
        << syntax.Error.toStdString();
    WriteBytes(broken, R"({"comments": ["a", 1]})");
    ExpectUsage(RunTool({u"build-comments"_s, broken, folder.File(u"x.kan"_s)}),
                u"「comments[1]」は文字列でなければなりません。"_s);
    WriteBytes(broken, R"({"title": "a", "author": "", "edition": "", "password": "",
                           "entries": [{"kind": "Ku"}]})");
    ExpectUsage(RunTool({u"build"_s, broken, folder.Path()}),
                u"「entries[0].preface」がありません。"_s);

    ExpectUsage(RunTool({u"build"_s, good, folder.File(u"nowhere"_s)}),
                u"フォルダ「"_s + folder.File(u"nowhere"_s) + u"」がありません。"_s);
    ExpectUsage(RunTool({u"build-comments"_s, comments, folder.File(u"nowhere/x.kan"_s)}),
                u"フォルダ「"_s + folder.File(u"nowhere"_s) + u"」がありません。"_s);
    ExpectUsage(RunTool({u"build-comments"_s, comments, folder.Path()}),
                u"「"_s + folder.Path() + u"」はファイル名で終わっていません。"_s);
    // Nothing was written by any of them.
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files),
              (QStringList{u"broken.json"_s, u"c.json"_s, u"good.json"_s}));

    const ToolResult help = RunTool({u"--help"_s});
    EXPECT_EQ(help.Exit, ExitOk);
    EXPECT_EQ(help.Out, UsageText().toUtf8());
}

TEST(ToolUsage, MessagesForTheConsole) {
    EXPECT_EQ(ConsoleText(u"句集を開けません。\r５行目のデータが不正です。"_s),
              u"句集を開けません。\n５行目のデータが不正です。\n"_s.toUtf8());
    EXPECT_EQ(ConsoleText(u"a\r\n\r\nb"_s), QByteArray("a\n\nb\n"));
    EXPECT_EQ(ConsoleText(u"a\n"_s), QByteArray("a\n"));
}
