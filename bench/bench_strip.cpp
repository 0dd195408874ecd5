// Painting one full verse column of the viewer's strip: the vertical typesetting against
// the plain per-character drawing the column used before, in the same run.

#include "ColumnLayout.h"
#include "Faces.h"
#include "StripText.h"
#include "Twips.h"
#include "VerticalShaper.h"

#include <QApplication>
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

} // namespace
