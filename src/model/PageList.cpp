// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PageList.h"

#include "model/RubyText.h"

namespace yomiwa {

QStringList PageRows(const Kushu& kushu) {
    const int kuCount = kushu.KuCount();
    QStringList rows;
    rows.reserve(kuCount + 4);
    if (IsListedInViewer(kushu.Entries.at(0).Commentary))
        rows.append(KindName(EntryKind::Jo));
    for (int i = 1; i <= kuCount; ++i)
        rows.append(kushu.Entries.at(i).Verse);
    for (EntryKind kind : {EntryKind::Batsu, EntryKind::Prof, EntryKind::Oku}) {
        if (IsListedInViewer(kushu.Entries.at(IndexOfKind(kind, kuCount)).Commentary))
            rows.append(KindName(kind));
    }
    return rows;
}

QStringList ShownRows(const QStringList& rows) {
    QStringList shown;
    shown.reserve(rows.size());
    for (const QString& row : rows)
        shown.append(ParseRuby(row).base);
    return shown;
}

ListedPage PageOfRow(const QStringList& rows, int row, int kuCount) {
    const QString& text = rows.at(row);
    return {RowToEntry(row, text, rows.first(), kuCount), KindOfRowText(text)};
}

int RowOfEntry(const Kushu& kushu, int entry) {
    if (entry < 0)
        return -1;
    const QStringList rows = PageRows(kushu);
    for (int row = 0; row < rows.size(); ++row) {
        if (PageOfRow(rows, row, kushu.KuCount()).Entry == entry)
            return row;
    }
    return -1;
}

} // namespace yomiwa
