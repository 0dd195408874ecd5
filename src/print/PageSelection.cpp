// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PageSelection.h"

#include "model/PageList.h"

#include <QRegularExpression>

#include <algorithm>

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

Result<QList<int>> ParsePages(const QString& text, int pageCount) {
    using Pages = Result<QList<int>>;
    // Full-width digits and signs become their ASCII forms; the dashes people type become -.
    QString plain = text.normalized(QString::NormalizationForm_KC);
    plain.replace(QRegularExpression(u"[～〜~－―‐−–—ー]"_s), u"-"_s).replace(u'、', u',');
    plain.remove(QRegularExpression(u"\\s"_s));
    if (plain.split(u',', Qt::SkipEmptyParts).isEmpty())
        return Pages::Failure(ErrorKind::Usage, u"ページを指定してください（例：2-5,8）。"_s);
    static const QRegularExpression part(u"^(\\d{1,9})?(-)?(\\d{1,9})?$"_s);
    QList<bool> chosen(pageCount, false);
    for (const QString& given : plain.split(u',', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = part.match(given);
        if (!match.hasMatch() || given == u"-"_s)
            return Pages::Failure(
                ErrorKind::Usage,
                u"「%1」はページの指定として読めません（例：2-5,8）。"_s.arg(given));
        const bool range = match.hasCaptured(2);
        const int first = match.hasCaptured(1) ? match.captured(1).toInt() : 1;
        const int last = match.hasCaptured(3) ? match.captured(3).toInt()
                         : range              ? pageCount
                                              : first;
        if (first > last)
            return Pages::Failure(ErrorKind::Usage,
                                  u"「%1」は始めのページが終わりのページより後です。"_s.arg(given));
        if (first < 1 || last > pageCount)
            return Pages::Failure(
                ErrorKind::Usage,
                u"「%1」はこの句集にないページです（1 から %2 まで）。"_s.arg(given).arg(
                    pageCount));
        std::fill(chosen.begin() + first - 1, chosen.begin() + last, true);
    }
    QList<int> pages;
    for (int row = 0; row < pageCount; ++row)
        if (chosen[row])
            pages.append(row);
    return pages;
}

QList<int> VersesOnly(const QList<int>& pages, const QStringList& rows, int kuCount) {
    QList<int> verses;
    for (const int row : pages)
        if (PageOfRow(rows, row, kuCount).Kind == EntryKind::Ku)
            verses.append(row);
    return verses;
}

} // namespace yomiwa::print
