// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RenderCommand.h"

#include "model/KushuFile.h"
#include "model/PageList.h"
#include "print/ExportFiles.h"
#include "print/PageSelection.h"

#include <QMap>

#include <optional>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

namespace {

struct RenderArguments {
    QString Collection;
    QString Output;
    QMap<QString, QString> Options; // "--layout" → "b4", "--signed" → "", …
};

// The two file names and the options, each option at most once, those with a value followed
// by it. --page N is --pages N.
Result<RenderArguments> Parse(const QStringList& arguments) {
    using Parsed = Result<RenderArguments>;
    static const QStringList withValue = {u"--layout"_s, u"--pages"_s, u"--scale"_s};
    static const QStringList flags = {u"--verses-only"_s, u"--signed"_s};
    RenderArguments parsed;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u"--"_s)) {
            files.append(argument);
            continue;
        }
        const QString option = argument == u"--page"_s ? u"--pages"_s : argument;
        if (!withValue.contains(option) && !flags.contains(option))
            return Parsed::Failure(ErrorKind::Usage,
                                   u"「%1」というオプションはありません。"_s.arg(argument));
        if (parsed.Options.contains(option))
            return Parsed::Failure(ErrorKind::Usage,
                                   u"オプション「%1」は一度だけ指定してください。"_s.arg(argument));
        if (flags.contains(option)) {
            parsed.Options.insert(option, {});
            continue;
        }
        if (i + 1 >= arguments.size()) {
            return Parsed::Failure(
                ErrorKind::Usage,
                u"オプション「%1」には値を一つ指定してください。"_s.arg(argument));
        }
        parsed.Options.insert(option, arguments[++i]);
    }
    if (files.size() != 2) {
        return Parsed::Failure(ErrorKind::Usage,
                               u"「render」には句集ファイルと出力ファイルの二つが必要です"
                               u"（FILE.Ywk OUT.pdf または OUT.png）。"_s);
    }
    parsed.Collection = files[0];
    parsed.Output = files[1];
    return parsed;
}

} // namespace

QString RenderUsageText() {
    return u"  yomiwa-tool render FILE.Ywk OUT.pdf [--layout tanzaku|b4|b4-borderless|a4|a4-fit]\n"
           "                     [--pages 2-5,8] [--verses-only] [--signed]\n"
           "      句集の短冊を PDF に書き出します（--pages がなければ全ページ、--verses-only で\n"
           "      序・跋・プロフィール・奥付を除く、--signed で句の短冊の下に作者名）。\n"
           "  yomiwa-tool render FILE.Ywk OUT.png --page N [--scale 1|2|4]\n"
           "      N ページ目の短冊を、画面の大きさの 1・2・4 倍の PNG 画像に書き出します。\n"_s;
}

Result<ToolOutput> Render(const QStringList& arguments) {
    const Result<RenderArguments> given = Parse(arguments);
    if (!given.ok())
        return UsageError(given.error());
    const RenderArguments* parsed = &given.value();
    const QMap<QString, QString>& options = parsed->Options;
    const bool pdf = parsed->Output.endsWith(u".pdf"_s, Qt::CaseInsensitive);
    const bool png = parsed->Output.endsWith(u".png"_s, Qt::CaseInsensitive);
    if (!pdf && !png)
        return UsageError(u"出力ファイル「%1」は .pdf か .png で終わる名前にしてください。"_s.arg(
            parsed->Output));
    if (pdf && options.contains(u"--scale"_s))
        return UsageError(u"--scale は PNG 画像にだけ指定できます。"_s);
    for (const QString& option : {u"--layout"_s, u"--verses-only"_s, u"--signed"_s}) {
        if (png && options.contains(option))
            return UsageError(u"%1 は PDF にだけ指定できます。"_s.arg(option));
    }
    if (png && !options.contains(u"--pages"_s))
        return UsageError(u"PNG 画像には --page でページを指定してください。"_s);

    const std::optional<print::SheetLayout> layout =
        print::LayoutNamed(options.value(u"--layout"_s, u"tanzaku"_s));
    if (!layout) {
        return UsageError(
            u"--layout には tanzaku、b4、b4-borderless、a4、a4-fit のどれかを指定してください。"_s);
    }
    const QString scaleText = options.value(u"--scale"_s, u"1"_s);
    if (scaleText != u"1"_s && scaleText != u"2"_s && scaleText != u"4"_s)
        return UsageError(u"--scale には 1、2、4 のどれかを指定してください。"_s);

    const Result<Kushu> read = ReadKushuFile(parsed->Collection);
    if (!read.ok())
        return Result<ToolOutput>::Failure(read);
    const Kushu& kushu = read.value();
    const QStringList rows = PageRows(kushu);
    print::PrintJob job{{}, *layout, options.contains(u"--signed"_s)};
    for (int row = 0; row < rows.size(); ++row)
        job.Pages.append(row);
    if (options.contains(u"--pages"_s)) {
        const Result<QList<int>> pages =
            print::ParsePages(options.value(u"--pages"_s), int(rows.size()));
        if (!pages.ok())
            return UsageError(u"--pages："_s + pages.error());
        job.Pages = pages.value();
    }
    if (png && job.Pages.size() != 1)
        return UsageError(u"PNG 画像には --page でページを一つだけ指定してください。"_s);
    if (options.contains(u"--verses-only"_s))
        job.Pages = print::VersesOnly(job.Pages, rows, kushu.KuCount());
    if (job.Pages.isEmpty())
        return Result<ToolOutput>::Failure(ErrorKind::Refused,
                                           u"この句集には書き出すページがありません。"_s);

    const Status written =
        pdf ? print::WritePdf(parsed->Output, kushu, rows, job)
            : print::WritePng(parsed->Output, print::PageToPrint(kushu, rows, job.Pages.first()),
                              scaleText.toInt());
    if (!written.ok())
        return Result<ToolOutput>::Failure(written);
    return ToolOutput{parsed->Output.toUtf8() + '\n', {}, false};
}

} // namespace yomiwa::tool
