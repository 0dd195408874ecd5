// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/WorkbenchCommands.h"

#include "search/SearchIndex.h"
#include "verse/MoraCounter.h"

#include <QFileInfo>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

namespace {

// A text on one line of a tab-separated output: each line break and tab one space.
QString OneLine(QString text) {
    text.replace(u"\r\n"_s, u" "_s);
    for (QChar c : {u'\r', u'\n', u'\t'})
        text.replace(c, u' ');
    return text;
}

} // namespace

Result<ToolOutput> Count(const QStringList& arguments) {
    if (arguments.isEmpty())
        return UsageError(u"「count」には数える句が必要です（TEXT...）。"_s);
    verse::MoraCounter counter;
    QByteArray out;
    for (const QString& text : arguments) {
        const Result<verse::Metre> metre = counter.Count(text);
        if (!metre.ok())
            return Result<ToolOutput>::Failure(metre);
        for (const verse::Phrase& phrase : metre.value().Phrases)
            out += QByteArray::number(phrase.Morae) + ' ';
        out += QByteArray::number(metre.value().Total()) + '\n';
    }
    return ToolOutput{out, {}, false};
}

Result<ToolOutput> Search(const QStringList& arguments) {
    if (arguments.size() != 2)
        return UsageError(u"「search」には引数が2つ必要です（FOLDER QUERY）。"_s);
    const QString &folder = arguments[0], &query = arguments[1];
    if (!QFileInfo(folder).isDir())
        return UsageError(u"フォルダ「%1」がありません。"_s.arg(folder));
    if (query.trimmed().isEmpty())
        return UsageError(u"探す文字を指定してください。"_s);
    search::SearchIndex index(folder);
    const search::SearchResult found = index.Search(query);
    QByteArray out;
    for (const search::Hit& hit : found.Hits) {
        out += QStringList{QFileInfo(hit.File).fileName(), QString::number(hit.Page),
                           search::FieldName(hit.Field), OneLine(hit.Text)}
                   .join(u'\t')
                   .toUtf8() +
               '\n';
    }
    QStringList skipped;
    for (const search::Unreadable& file : found.Skipped)
        skipped.append(QFileInfo(file.File).fileName() + u": "_s + OneLine(file.Reason));
    return ToolOutput{out, skipped.join(u'\n'), found.Hits.isEmpty()};
}

QString WorkbenchUsageText() {
    return u"  yomiwa-tool count TEXT...\n"
           "      句ごとに、上五・中七・下五の拍の数と合計を「5 7 5 17」のように表示します。\n"
           "      読みは 蜩《ひぐらし》 のように書き添えられます。\n"
           "  yomiwa-tool search FOLDER QUERY\n"
           "      FOLDER のすべての句集の前書・句・後書・解説・感想から QUERY を探し、\n"
           "      見つかった欄ごとに「ファイル名、ページ、欄、本文」をタブで区切って表示します\n"
           "      （見つからなければ終了コード 1）。\n"_s;
}

} // namespace yomiwa::tool
