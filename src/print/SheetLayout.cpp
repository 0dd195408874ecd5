#include "print/SheetLayout.h"

#include <cmath>

namespace yomiwa::print {

using namespace Qt::Literals::StringLiterals;

namespace {

// A4 is shorter than a tanzaku: its strips are scaled to the sheet less these margins.
constexpr qreal A4Margin = 10;
// B4 holds full-size strips with at least this much paper on either side.
constexpr qreal SideMargin = 5;
constexpr qreal MarkLength = 8;
constexpr qreal MarkGap = 1;

// Strips of `strip` size edge to edge, as many as `count`, centred on the paper; each cut
// is marked where no strip is drawn: beyond the row's ends and, between strips, in the
// notch the rounded corners leave at the top and bottom.
Sheet RowOfStrips(const QPageSize& paper, QSizeF strip, int count) {
    Sheet sheet{paper, {}, {}};
    const QSizeF size = paper.size(QPageSize::Millimeter);
    const QPointF start((size.width() - strip.width() * count) / 2,
                        (size.height() - strip.height()) / 2);
    for (int i = 0; i < count; ++i)
        sheet.Strips.append(QRectF(start + QPointF(strip.width() * i, 0), strip));
    const QRectF row(start, QSizeF(strip.width() * count, strip.height()));
    const qreal notch = qMin(strip.width(), strip.height()) / 16; // half the corner's radius
    const qreal above = qMin(row.top(), MarkLength);
    for (int i = 0; i <= count; ++i) {
        const qreal x = row.left() + strip.width() * i;
        sheet.CutMarks.append(QLineF(x, row.top() - above, x, row.top() + notch));
        sheet.CutMarks.append(QLineF(x, row.bottom() - notch, x, row.bottom() + above));
    }
    const qreal beside = qMin(row.left(), MarkLength + MarkGap);
    for (const qreal y : {row.top(), row.bottom()}) {
        sheet.CutMarks.append(QLineF(row.left() - beside, y, row.left() - MarkGap, y));
        sheet.CutMarks.append(QLineF(row.right() + MarkGap, y, row.right() + beside, y));
    }
    return sheet;
}

int StripsAcross(const QPageSize& paper, qreal stripWidth, qreal margin) {
    return int(std::floor((paper.size(QPageSize::Millimeter).width() - 2 * margin) / stripWidth));
}

} // namespace

Sheet SheetOf(SheetLayout layout) {
    switch (layout) {
    case SheetLayout::Tanzaku: {
        const QPageSize paper(TanzakuMm, QPageSize::Millimeter, u"短冊"_s, QPageSize::ExactMatch);
        return {paper, {QRectF(QPointF(0, 0), TanzakuMm)}, {}};
    }
    case SheetLayout::B4: {
        const QPageSize paper(QPageSize::JisB4);
        return RowOfStrips(paper, TanzakuMm, StripsAcross(paper, TanzakuMm.width(), SideMargin));
    }
    case SheetLayout::A4:
    case SheetLayout::A4Fit: {
        const QPageSize paper(QPageSize::A4);
        const qreal height = paper.size(QPageSize::Millimeter).height() - 2 * A4Margin;
        const QSizeF strip = TanzakuMm * (height / TanzakuMm.height());
        const int count =
            layout == SheetLayout::A4Fit ? 1 : StripsAcross(paper, strip.width(), A4Margin);
        return RowOfStrips(paper, strip, count);
    }
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
    case SheetLayout::A4:
        return u"a4"_s;
    case SheetLayout::A4Fit:
        return u"a4-fit"_s;
    }
    return {};
}

QString CaptionOf(SheetLayout layout) {
    switch (layout) {
    case SheetLayout::Tanzaku:
        return u"短冊紙（60.6×363.6 mm）に1枚ずつ"_s;
    case SheetLayout::B4:
        return u"B4用紙に原寸で並べる（トンボ付き）"_s;
    case SheetLayout::A4:
        return u"A4用紙に縮小して並べる（トンボ付き）"_s;
    case SheetLayout::A4Fit:
        return u"A4用紙に1枚ずつ大きく"_s;
    }
    return {};
}

} // namespace yomiwa::print
