// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/StripPage.h"

#include "model/PageList.h"

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

StripPage PageToPrint(const Kushu& kushu, const QStringList& rows, int row) {
    const ListedPage listed = PageOfRow(rows, row, kushu.KuCount());
    const KuEntry& entry = kushu.Entries.at(listed.Entry);
    if (listed.Kind != EntryKind::Ku)
        return {{}, KindName(listed.Kind), {}, entry.Colours, {}};
    return {entry.Preface, entry.Verse, entry.Postscript, entry.Colours, {}};
}

QByteArray PagesText(const Kushu& kushu, const QStringList& rows, const QList<int>& pages) {
    QString text = kushu.Title + u"　第"_s + kushu.Edition + u"版　"_s + kushu.Author + u"\n"_s;
    for (const int row : pages) {
        const StripPage page = PageToPrint(kushu, rows, row);
        text += u"\n―― "_s + QString::number(row + 1) + u" ――\n"_s;
        const std::pair<QString, const QString&> columns[] = {
            {u"前書"_s, page.Preface}, {u"句"_s, page.Verse}, {u"後書"_s, page.Postscript}};
        for (const auto& [name, column] : columns) {
            if (!column.isEmpty())
                text += name + u"　"_s + column + u"\n"_s;
        }
    }
    return text.toUtf8();
}

} // namespace yomiwa::print
