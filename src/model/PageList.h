// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

#include <QString>
#include <QStringList>

namespace yomiwa {

// The rows of the reading window's page list: "序" when its page has content, every verse
// in order, then "跋", "プロフィール" and "奥付" under the same rule. Printing and export
// go through the same rows, so paper and screen never disagree about which pages exist.
QStringList PageRows(const Kushu& kushu);
// What the page list shows of its rows: each as it is read, without the reading marks
// (蜩《ひぐらし》の声 is shown as 蜩の声). The rules that read a row read the rows themselves.
QStringList ShownRows(const QStringList& rows);

// What a row of the page list shows: the entry behind it and whether it is a special page.
struct ListedPage {
    int Entry = 0;
    EntryKind Kind = EntryKind::Ku;
};
ListedPage PageOfRow(const QStringList& rows, int row, int kuCount);
// The row that shows an entry; -1 when the entry is not listed.
int RowOfEntry(const Kushu& kushu, int entry);

} // namespace yomiwa
