#include "tools/RenderCommand.h"

#include "model/KushuFile.h"
#include "model/PageList.h"
#include "print/ExportFiles.h"

#include <QMap>

#include <optional>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

namespace {

struct RenderArguments {
    QString Collection;
    QString Output;
    QMap<QString, QString> Options; // "--layout" → "b4", …
};

// The two file names and the options, each option at most once and followed by its value.
Result<RenderArguments> Parse(const QStringList& arguments) {
    using Parsed = Result<RenderArguments>;
    RenderArguments parsed;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u"--"_s)) {
            files.append(argument);
            continue;
        }
        if (argument != u"--layout"_s && argument != u"--page"_s && argument != u"--scale"_s) {
            return Parsed::Failure(ErrorKind::Usage,
                                   u"「%1」というオプションはありません。"_s.arg(argument));
        }
        if (i + 1 >= arguments.size() || parsed.Options.contains(argument)) {
            return Parsed::Failure(
                ErrorKind::Usage,
                u"オプション「%1」には値を一つ指定してください。"_s.arg(argument));
        }
        parsed.Options.insert(argument, arguments[++i]);
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
    return u"  yomiwa-tool render FILE.Ywk OUT.pdf [--layout tanzaku|b4|a4|a4-fit] [--page N]\n"
           "      句集の短冊を PDF に書き出します（--page がなければ全ページ）。\n"
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
    if (png && options.contains(u"--layout"_s))
        return UsageError(u"--layout は PDF にだけ指定できます。"_s);
    if (png && !options.contains(u"--page"_s))
        return UsageError(u"PNG 画像には --page でページを指定してください。"_s);

    const std::optional<print::SheetLayout> layout =
        print::LayoutNamed(options.value(u"--layout"_s, u"tanzaku"_s));
    if (!layout)
        return UsageError(u"--layout には tanzaku、b4、a4、a4-fit のどれかを指定してください。"_s);
    const QString scaleText = options.value(u"--scale"_s, u"1"_s);
    if (scaleText != u"1"_s && scaleText != u"2"_s && scaleText != u"4"_s)
        return UsageError(u"--scale には 1、2、4 のどれかを指定してください。"_s);

    const Result<Kushu> read = ReadKushuFile(parsed->Collection);
    if (!read.ok())
        return Result<ToolOutput>::Failure(read);
    const Kushu& kushu = read.value();
    const QStringList rows = PageRows(kushu);
    print::PageRange pages{0, int(rows.size())};
    if (options.contains(u"--page"_s)) {
        bool number = false;
        const int page = options.value(u"--page"_s).toInt(&number);
        if (!number || page < 1 || page > rows.size()) {
            return UsageError(u"--page には 1 から %1 までのページ番号を指定してください"
                              u"（この句集は %1 ページです）。"_s.arg(rows.size()));
        }
        pages = {page - 1, 1};
    }
    if (pages.Count == 0)
        return Result<ToolOutput>::Failure(ErrorKind::Refused,
                                           u"この句集には書き出すページがありません。"_s);

    const Status written =
        pdf ? print::WritePdf(parsed->Output, kushu, rows, pages, *layout)
            : print::WritePng(parsed->Output, print::PageToPrint(kushu, rows, pages.First),
                              scaleText.toInt());
    if (!written.ok())
        return Result<ToolOutput>::Failure(written);
    return ToolOutput{parsed->Output.toUtf8() + '\n', {}, false};
}

} // namespace yomiwa::tool
