// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace yomiwa::print {

// One page as its strip shows it: the three column texts as the fields hold them (before
// the long-vowel mark is turned upright) and the page's colours. A special page has its
// page word in the verse column and nothing else. On paper a verse strip may be signed: the
// author's name at the foot of the verse.
struct StripPage {
    QString Preface;
    QString Verse;
    QString Postscript;
    ColourSet Colours;
    QString Signature;
};

// The page of a row of the reading window's page list (PageRows).
StripPage PageToPrint(const Kushu& kushu, const QStringList& rows, int row);

// The text of the pages (rows of the page list) as the PDF carries it beside the drawing:
// the collection's header, then per page its number and the preface, verse and postscript
// that stand on it, one to a line.
QByteArray PagesText(const Kushu& kushu, const QStringList& rows, const QList<int>& pages);

} // namespace yomiwa::print
