// Painting one full verse column of the viewer's strip: the vertical typesetting against
// the plain per-character drawing the column used before, in the same run; and a verse
// with readings and a 60-character verse, fitted to the column, against the fitting verse.

#include "BenchMain.h"
#include "ColumnLayout.h"
#include "Faces.h"
#include "StripColumnPainter.h"
#include "StripText.h"
#include "Twips.h"
#include "VerticalShaper.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace yomiwa;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

// The viewer's verse column: 375 x 7635 twips, IPAMincho 18 pt bold.
constexpr int ColumnWidth = Px(375);
constexpr int ColumnHeight = Px(7635);

QFont VerseFont() {
    return MakeFont(Face::Mincho, 18, true);
}

// The longest verse that fits: 21 full-width cells, with turned brackets, small kana,
// marks, a vertical line and two digits side by side.
QString LongestVerse() {
    return ToStripText(u"「古池や蛙飛びこむ水の音」ーゃ、。12月AB"_s);
}

// The column as it was drawn before: every UTF-16 unit in its horizontal form, one under
// the other at the font's line height.
void PaintPerCharacter(QPainter& painter, const QString& text, const QFont& font, int height) {
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    int top = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (top >= height)
            break;
        painter.drawText(0, top + metrics.ascent(), QString(text[i]));
        top += lineHeight;
    }
}

QImage ColumnImage() {
    QImage image(ColumnWidth, ColumnHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xFF, 0xFF, 0xC0));
    return image;
}

void BM_PerCharacterDrawing(benchmark::State& state) {
    QImage image = ColumnImage();
    const QString text = LongestVerse();
    const QFont font = VerseFont();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        PaintPerCharacter(painter, text, font, ColumnHeight);
    }
}
BENCHMARK(BM_PerCharacterDrawing);

// A repaint: the column keeps its layout between paints.
void BM_VerticalColumnPaint(benchmark::State& state) {
    QImage image = ColumnImage();
    const QFont font = VerseFont();
    const VerticalShaper shaper(font);
    const ColumnLayout layout = LayOutColumn(LongestVerse(), shaper, font, ColumnWidth);
    state.counters["cells"] = double(layout.cells.size());
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawColumn(painter, layout, ColumnHeight);
    }
}
BENCHMARK(BM_VerticalColumnPaint);

// A paint after the text changed, as in the editor's preview while typing: shaping and
// layout, then painting.
void BM_VerticalColumnLayOutAndPaint(benchmark::State& state) {
    QImage image = ColumnImage();
    const QString text = LongestVerse();
    const QFont font = VerseFont();
    const VerticalShaper shaper(font);
    for (auto _ : state) {
        const ColumnLayout layout = LayOutColumn(text, shaper, font, ColumnWidth);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawColumn(painter, layout, ColumnHeight);
    }
}
BENCHMARK(BM_VerticalColumnLayOutAndPaint);

// Once per font: bridging the face to HarfBuzz, which then reads the tables it needs
// while laying out the first text.
void BM_NewFontShaperAndLayout(benchmark::State& state) {
    const QString text = LongestVerse();
    const QFont font = VerseFont();
    for (auto _ : state) {
        const VerticalShaper shaper(font);
        benchmark::DoNotOptimize(LayOutColumn(text, shaper, font, ColumnWidth));
    }
}
BENCHMARK(BM_NewFontShaperAndLayout)->Unit(benchmark::kMicrosecond);

// The verses a column is fitted to: one that fits as it stands, one with readings, and one
// that takes two lines.
QString FittedVerse(int which) {
    const QString haiku =
        u"古池や蛙飛びこむ水の音閑かさや岩にしみ入る蝉の声五月雨をあつめて早し最上川"_s;
    switch (which) {
    case 0:
        return u"「古池や蛙飛びこむ水の音」ーゃ、。12月AB"_s;
    case 1:
        return u"蜩《ひぐらし》や翡翠《かわせみ》の飛ぶ｜水面《みなも》かな"_s;
    default:
        return (haiku + haiku).left(60);
    }
}

// A repaint of a fitted column: the column keeps its fitted layout between paints.
void BM_FittedColumnPaint(benchmark::State& state) {
    QImage image = ColumnImage();
    const QFont font = VerseFont();
    const VerticalShaper shaper(font);
    const StripLayout layout = LayOutStripColumn(FittedVerse(int(state.range(0))), shaper, font,
                                                 QSizeF(ColumnWidth, ColumnHeight));
    state.counters["lines"] = layout.lines;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawStripColumn(painter, layout);
    }
}
BENCHMARK(BM_FittedColumnPaint)->Arg(0)->Arg(1)->Arg(2);

// A paint after the text changed: reading the marks, shaping, fitting, painting.
void BM_FittedColumnLayOutAndPaint(benchmark::State& state) {
    QImage image = ColumnImage();
    const QString text = FittedVerse(int(state.range(0)));
    const QFont font = VerseFont();
    const VerticalShaper shaper(font);
    for (auto _ : state) {
        const StripLayout layout =
            LayOutStripColumn(text, shaper, font, QSizeF(ColumnWidth, ColumnHeight));
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawStripColumn(painter, layout);
    }
}
BENCHMARK(BM_FittedColumnLayOutAndPaint)->Arg(0)->Arg(1)->Arg(2);

// Readings and a long verse against the fitting verse, as the column paints them.
const bench::Ratio RubyPaint("BM_FittedColumnPaint/1", "BM_VerticalColumnPaint");
const bench::Ratio LongPaint("BM_FittedColumnPaint/2", "BM_VerticalColumnPaint");
const bench::Ratio RubyLayOut("BM_FittedColumnLayOutAndPaint/1", "BM_VerticalColumnLayOutAndPaint");
const bench::Ratio LongLayOut("BM_FittedColumnLayOutAndPaint/2", "BM_VerticalColumnLayOutAndPaint");

} // namespace
