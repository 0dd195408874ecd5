// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/SheetLayout.h"

#include <algorithm>
#include <cmath>

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

namespace {

// A4 is shorter than a tanzaku: its strips are scaled to the sheet less these margins.
constexpr qreal A4Margin = 10;
constexpr qreal MarkLength = 8;
constexpr qreal MarkGap = 1;

// Strips of `strip` size edge to edge, as many as `count`, centred on the paper, the first
// on the right; each cut is marked where no strip is drawn: beyond the row's ends and,
// between strips, in the notch the rounded corners leave at the top and bottom. The marks
// stop `clearance` from the paper's edges.
Sheet RowOfStrips(const QPageSize& paper, QSizeF strip, int count, qreal clearance) {
    Sheet sheet{paper, {}, {}};
    const QSizeF size = paper.size(QPageSize::Millimeter);
    const QPointF start((size.width() - strip.width() * count) / 2,
                        (size.height() - strip.height()) / 2);
    for (int i = count - 1; i >= 0; --i)
        sheet.Strips.append(QRectF(start + QPointF(strip.width() * i, 0), strip));
    const QRectF row(start, QSizeF(strip.width() * count, strip.height()));
    const qreal notch = qMin(strip.width(), strip.height()) / 16; // half the corner's radius
    const qreal above = std::clamp(row.top() - clearance, 0.0, MarkLength);
    for (int i = 0; i <= count; ++i) {
        const qreal x = row.left() + strip.width() * i;
        sheet.CutMarks.append(QLineF(x, row.top() - above, x, row.top() + notch));
        sheet.CutMarks.append(QLineF(x, row.bottom() - notch, x, row.bottom() + above));
    }
    const qreal beside = std::clamp(row.left() - clearance, MarkGap, MarkLength + MarkGap);
    for (const qreal y : {row.top(), row.bottom()}) {
        sheet.CutMarks.append(QLineF(row.left() - beside, y, row.left() - MarkGap, y));
        sheet.CutMarks.append(QLineF(row.right() + MarkGap, y, row.right() + beside, y));
    }
    return sheet;
}

// The strips of a row on `paper`, as tall as the paper less `margin` at the top and bottom
// allows (never taller than a tanzaku), as many as fit its width less the same margins.
Sheet RowOn(const QPageSize& paper, qreal margin, bool oneStrip) {
    const QSizeF size = paper.size(QPageSize::Millimeter);
    const QSizeF strip = TanzakuMm * qMin(1.0, (size.height() - 2 * margin) / TanzakuMm.height());
    const int count =
        oneStrip ? 1 : int(std::floor((size.width() - 2 * PrintableMarginMm) / strip.width()));
    return RowOfStrips(paper, strip, count, MarkClearanceMm);
}

} // namespace

Sheet SheetOf(SheetLayout layout) {
    switch (layout) {
    case SheetLayout::Tanzaku: {
        const QPageSize paper(TanzakuMm, QPageSize::Millimeter, u"短冊"_s, QPageSize::ExactMatch);
        return {paper, {QRectF(QPointF(0, 0), TanzakuMm)}, {}};
    }
    case SheetLayout::B4:
        return RowOn(QPageSize(QPageSize::JisB4), PrintableMarginMm, false);
    case SheetLayout::B4Borderless: {
        const QPageSize paper(QPageSize::JisB4);
        const int count = int(paper.size(QPageSize::Millimeter).width() / TanzakuMm.width());
        return RowOfStrips(paper, TanzakuMm, count, 0);
    }
    case SheetLayout::A4:
    case SheetLayout::A4Fit:
        return RowOn(QPageSize(QPageSize::A4), A4Margin, layout == SheetLayout::A4Fit);
    }
    return {};
}

std::optional<SheetLayout> LayoutNamed(const QString& name) {
    for (const SheetLayout layout : AllLayouts) {
        if (NameOf(layout) == name)
            return layout;
    }
    return std::nullopt;
}

QString NameOf(SheetLayout layout) {
    switch (layout) {
    case SheetLayout::Tanzaku:
        return u"tanzaku"_s;
    case SheetLayout::B4:
        return u"b4"_s;
    case SheetLayout::B4Borderless:
        return u"b4-borderless"_s;
    case SheetLayout::A4:
        return u"a4"_s;
    case SheetLayout::A4Fit:
        return u"a4-fit"_s;
    }
    return {};
}

qreal ScaleOf(SheetLayout layout) {
    return SheetOf(layout).Strips.value(0).height() / TanzakuMm.height();
}

QString CaptionOf(SheetLayout layout) {
    const QString scale = QString::number(qRound(ScaleOf(layout) * 100)) + u'%';
    switch (layout) {
    case SheetLayout::Tanzaku:
        return u"短冊紙（60.6×363.6 mm）に1枚ずつ（原寸）"_s;
    case SheetLayout::B4:
        return u"B4用紙に並べる（%1、トンボ付き）"_s.arg(scale);
    case SheetLayout::B4Borderless:
        return u"B4用紙に原寸で並べる（縁なし印刷用、トンボ付き）"_s;
    case SheetLayout::A4:
        return u"A4用紙に縮小して並べる（%1、トンボ付き）"_s.arg(scale);
    case SheetLayout::A4Fit:
        return u"A4用紙に1枚ずつ大きく（%1、トンボ付き）"_s.arg(scale);
    }
    return {};
}

} // namespace yomiwa::print
