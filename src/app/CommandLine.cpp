// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace yomiwa::app {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString UsageLine = u"使い方: yomiwa [句集ファイル.Ywk]\n"_s;

const QString HelpText =
    UsageLine + u"\n句集を読み書きするプログラム Yomiwa（読み輪）を起動します。\n"_s +
    u"句集ファイル（拡張子 .Ywk）を指定すると、その句集を開き、最初のページを表示します。\n"_s +
    u"Yomiwa がすでに起動されていれば、その Yomiwa がこの句集を開きます。\n\n"_s +
    u"オプション:\n"_s + u"  -h, --help     この説明を表示して終了します。\n"_s +
    u"  -v, --version  版を表示して終了します。\n"_s;

CommandLine Usage(const QString& fault, bool unknownOption = false) {
    return {
        CommandLine::Action::Usage, {}, u"yomiwa: "_s + fault + u'\n' + UsageLine, unknownOption};
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption showVersion(QStringList{u"v"_s, u"version"_s});
    parser.addOption(help);
    parser.addOption(showVersion);
    const bool parsed = parser.parse(arguments);

    if (parser.isSet(help))
        return {CommandLine::Action::Help, {}, HelpText};
    if (parser.isSet(showVersion))
        return {CommandLine::Action::Version, {}, u"yomiwa "_s + version + u'\n'};
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        return Usage(unknown.isEmpty() ? parser.errorText()
                                       : u"不明なオプションです: "_s + unknown.join(u", "_s),
                     !unknown.isEmpty());
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Usage(u"開ける句集ファイルは一つだけです。"_s);
    if (files.isEmpty())
        return {};
    if (!files.front().endsWith(u".ywk"_s, Qt::CaseInsensitive))
        return Usage(u"句集ファイル（.Ywk）ではありません: "_s + files.front());
    // Absolute, so that a running Yomiwa started elsewhere finds the same file.
    return {CommandLine::Action::Run, QFileInfo(files.front()).absoluteFilePath(), {}};
}

} // namespace yomiwa::app
