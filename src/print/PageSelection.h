// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace yomiwa::print {

// The pages a reader asks for, as people type them: numbers of the page list from 1, single
// or as ranges, "2-5,8"; "5-" runs to the last page and "-3" from the first. Full-width
// digits and 、，～〜－ are read as well, blanks are ignored. The rows (from 0) in page
// order, each once; a message naming the part that is wrong.
Result<QList<int>> ParsePages(const QString& text, int pageCount);

// The pages without the special pages (序, 跋, プロフィール, 奥付): the verses only.
QList<int> VersesOnly(const QList<int>& pages, const QStringList& rows, int kuCount);

} // namespace yomiwa::print
