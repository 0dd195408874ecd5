// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip/Faces.h"

#include <QFontDatabase>
#include <QStringList>

namespace yomiwa::strip {

using namespace Qt::Literals::StringLiterals;

namespace {

// Asked once: every strip, on screen and on paper, is set in the same face.
bool NotoHasBold() {
    static const bool bold = QFontDatabase::styles(u"Noto Serif CJK JP"_s).contains(u"Bold"_s);
    return bold;
}

} // namespace

QFont MakeFont(Face face, qreal points, bool bold) {
    QStringList families;
    switch (face) {
    case Face::Mincho:
    case Face::StripMincho:
        families = {u"IPAMincho"_s, u"IPAexMincho"_s, u"Noto Serif CJK JP"_s, u"MS Mincho"_s};
        if (face == Face::StripMincho && NotoHasBold())
            families.move(2, 0);
        break;
    case Face::Gothic:
        families = {u"IPAGothic"_s, u"IPAexGothic"_s, u"Noto Sans Mono CJK JP"_s, u"MS Gothic"_s};
        break;
    case Face::PGothic:
        families = {u"IPAPGothic"_s, u"IPAexGothic"_s, u"Noto Sans CJK JP"_s, u"MS PGothic"_s};
        break;
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(face == Face::Gothic || face == Face::PGothic ? QFont::SansSerif
                                                                    : QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace yomiwa::strip
