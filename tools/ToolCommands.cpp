// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ToolCommands.h"

#include "model/FileIo.h"
#include "model/FileNames.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "model/TextLines.h"
#include "tools/KansoJson.h"
#include "tools/KushuJson.h"
#include "tools/RenderCommand.h"
#include "tools/WorkbenchCommands.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <optional>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

namespace {

using Run = Result<ToolOutput>;

Run Printed(const QByteArray& out) {
    return ToolOutput{out, {}, false};
}

// The JSON given to a build command; a fault in it is a usage error.
Result<QJsonValue> ReadJson(const QString& path) {
    using Json = Result<QJsonValue>;
    const Result<QByteArray> file = ReadFileBytes(path, -1, ReadSource::AnyStream);
    if (!file.ok()) {
        return Json::Failure(ErrorKind::Usage, (file.kind() == ErrorKind::TooLarge
                                                    ? u"JSON ファイル「%1」が大きすぎます。"_s
                                                    : u"JSON ファイル「%1」を読み込めません。"_s)
                                                   .arg(path));
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.value(), &parse);
    if (parse.error != QJsonParseError::NoError) {
        return Json::Failure(
            ErrorKind::Usage,
            u"JSON ファイル「%1」を JSON として読めません（%2バイト目：%3）。"_s.arg(
                path, QString::number(parse.offset), parse.errorString()));
    }
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

// A build command's JSON file, read and taken apart by `convert`.
template <typename T>
Result<T> FromJsonFile(const QString& path, Result<T> (*convert)(const QJsonValue&)) {
    const Result<QJsonValue> input = ReadJson(path);
    if (!input.ok())
        return Result<T>::Failure(input);
    return convert(input.value());
}

// The folder a file is written into, ending in the separator as the writers expect.
Result<QString> ExistingFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return Result<QString>::Failure(ErrorKind::Usage,
                                        u"フォルダ「%1」がありません。"_s.arg(folder));
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Each command takes its arguments as given, their number already checked.
Run Dump(const QStringList& arguments) {
    const Result<Kushu> read = ReadKushuFile(arguments[0]);
    if (!read.ok())
        return Run::Failure(read);
    return Printed(KushuJsonText(read.value()));
}

Run Build(const QStringList& arguments) {
    const QString &jsonPath = arguments[0], &folderArgument = arguments[1];
    const Result<Kushu> json = FromJsonFile(jsonPath, &KushuFromJson);
    if (!json.ok())
        return UsageError(json.error());
    const Result<QString> folder = ExistingFolder(folderArgument);
    if (!folder.ok())
        return UsageError(folder.error());
    if (const Status written = WriteKushuFile(folder.value(), json.value()); !written.ok())
        return Run::Failure(written);
    const QString written =
        folder.value() + KushuFileName(json.value().Title, json.value().Edition);
    return Printed(written.toUtf8() + '\n');
}

Run DumpComments(const QStringList& arguments) {
    const Result<QByteArray> file = ReadFileBytes(arguments[0]);
    if (!file.ok())
        return Run::Failure(file.kind(), CommentsReadHead() + file.error());
    const std::optional<QStringList> comments = ParseKansoBlocks(file.value());
    if (comments)
        return Printed(CommentsJsonText(*comments));
    const int badLine = DecodeFileText(file.value()).BadLine;
    return Run::Failure(ErrorKind::BadContent,
                        CommentsReadHead() + (badLine > 0 ? UnreadableLine(badLine)
                                                          : EndsBeforeMarker(u"KANSOEND--")));
}

Run BuildComments(const QStringList& arguments) {
    const QString &jsonPath = arguments[0], &kanPath = arguments[1];
    const Result<QStringList> json = FromJsonFile(jsonPath, &CommentsFromJson);
    if (!json.ok())
        return UsageError(json.error());
    const QFileInfo target(kanPath);
    if (target.fileName().isEmpty())
        return UsageError(u"「%1」はファイル名で終わっていません。"_s.arg(kanPath));
    const Result<QString> folder = ExistingFolder(target.path());
    if (!folder.ok())
        return UsageError(folder.error());
    if (const Status written = WriteKansoFile(folder.value(), target.fileName(), json.value());
        !written.ok())
        return Run::Failure(written);
    return Printed({});
}

struct Command {
    QString Name;
    QString Arguments;
    Run (*Command)(const QStringList&);
};

QList<Command> Commands() {
    return {
        {u"dump"_s, u"FILE.Ywk"_s, &Dump},
        {u"build"_s, u"FILE.json FOLDER"_s, &Build},
        {u"dump-comments"_s, u"FILE.kan"_s, &DumpComments},
        {u"build-comments"_s, u"FILE.json FILE.kan"_s, &BuildComments},
    };
}

} // namespace

QString UsageText() {
    return u"使い方:\n"
           "  yomiwa-tool dump FILE.Ywk\n"
           "      句集ファイルを JSON にして表示します。\n"
           "  yomiwa-tool build FILE.json FOLDER\n"
           "      JSON の句集を FOLDER に句集ファイル（句集名_版数.Ywk）として書き、\n"
           "      書いたファイルのパスを表示します。\n"
           "  yomiwa-tool dump-comments FILE.kan\n"
           "      感想ファイルを JSON にして表示します。\n"
           "  yomiwa-tool build-comments FILE.json FILE.kan\n"
           "      JSON の感想を感想ファイル FILE.kan に書きます。\n"_s +
           RenderUsageText() + WorkbenchUsageText() +
           u"  yomiwa-tool --version\n"
           "      版を表示します。\n"
           "終了コード: 0 成功、1 ファイルを読めない・書けない、2 使い方の誤り\n"_s;
}

Result<ToolOutput> UsageError(const QString& reason) {
    return Result<ToolOutput>::Failure(ErrorKind::Usage, reason + u"\n\n"_s + UsageText());
}

Result<ToolOutput> RunTool(const QStringList& arguments) {
    if (arguments.isEmpty())
        return UsageError(u"コマンドがありません。"_s);
    const QString& name = arguments.first();
    if (name == u"--help"_s || name == u"-h"_s || name == u"help"_s)
        return Printed(UsageText().toUtf8());
    if (name == u"--version"_s)
        return Printed("yomiwa-tool " YOMIWA_VERSION "\n");
    const QStringList rest = arguments.mid(1);
    if (name == u"render"_s)
        return Render(rest);
    if (name == u"count"_s)
        return Count(rest);
    if (name == u"search"_s)
        return Search(rest);
    for (const Command& command : Commands()) {
        if (command.Name != name)
            continue;
        const qsizetype wanted = command.Arguments.count(u' ') + 1;
        if (rest.size() != wanted) {
            return UsageError(u"「%1」には引数が%2つ必要です（%3）。"_s.arg(
                name, QString::number(wanted), command.Arguments));
        }
        return command.Command(rest);
    }
    return UsageError(u"「%1」というコマンドはありません。"_s.arg(name));
}

int ExitCodeOf(const Result<ToolOutput>& run) {
    if (!run.ok())
        return run.kind() == ErrorKind::Usage ? ExitUsage : ExitRefused;
    return run.value().FoundNothing ? ExitRefused : ExitOk;
}

QByteArray ConsoleText(const QString& message) {
    QString text = WithLineFeeds(message);
    if (!text.endsWith(u'\n'))
        text += u'\n';
    return text.toUtf8();
}

} // namespace yomiwa::tool
