// SPDX-License-Identifier: GPL-3.0-or-later
// Painting one full verse column of the viewer's strip: the vertical typesetting against
// the plain per-character drawing the column used before, in the same run; a verse with
// readings and a 60-character verse, adjusted to the column, against the fitting verse; and
// verses of 20 000 to 200 000 long-vowel marks, vertical lines or reading marks, whose
// times must grow no faster than their length.

#include "bench/BenchMain.h"
#include "model/RubyText.h"
#include "model/StripText.h"
#include "strip/ColumnLayout.h"
#include "strip/Faces.h"
#include "strip/StripColumnPainter.h"
#include "strip/VerticalShaper.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace yomiwa;
using namespace yomiwa::strip;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

// The viewer's verse column: 375 x 7635 twips, IPAMincho 18 pt bold.
constexpr int ColumnWidth = Px(375);
constexpr int ColumnHeight = Px(7635);

QFont VerseFont() {
    return MakeFont(Face::StripMincho, 18, true);
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
void FitAndPaint(benchmark::State& state, const QString& text) {
    QImage image = ColumnImage();
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

void BM_FittedColumnLayOutAndPaint(benchmark::State& state) {
    FitAndPaint(state, FittedVerse(int(state.range(0))));
}
BENCHMARK(BM_FittedColumnLayOutAndPaint)->Arg(0)->Arg(1)->Arg(2);

// Readings and a long verse against the fitting verse, as the column paints them. A verse of
// 60 characters, adjusted down to two lines, is to cost at most twice the fitting verse.
const bench::Ratio RubyPaint("BM_FittedColumnPaint/1", "BM_VerticalColumnPaint");
const bench::Ratio LongPaint("BM_FittedColumnPaint/2", "BM_VerticalColumnPaint");
const bench::Ratio RubyLayOut("BM_FittedColumnLayOutAndPaint/1", "BM_VerticalColumnLayOutAndPaint");
const bench::Ratio LongLayOut("BM_FittedColumnLayOutAndPaint/2", "BM_VerticalColumnLayOutAndPaint");
const bench::Ratio LongAgainstFitting("BM_FittedColumnLayOutAndPaint/2",
                                      "BM_FittedColumnLayOutAndPaint/0");

// A verse made of one mark over and over: ー (a vertical line in the column), a typed ｜
// (that may start a base), 《 (that may open a reading), or all three with kanji, kana and
// readings in between.
QString LongVerse(int kind, int length) {
    static const QString units[] = {u"ー"_s, u"｜"_s, u"《"_s, u"漢《かん》ー｜字《ー"_s};
    QString text;
    text.reserve(length + units[kind].size());
    while (text.size() < length)
        text += units[kind];
    return text.left(length);
}

void LongVerseArguments(benchmark::internal::Benchmark* b) {
    for (int kind = 0; kind < 4; ++kind)
        for (int length : {20000, 50000, 200000})
            b->Args({kind, length});
    b->Unit(benchmark::kMillisecond);
}

// Every cell of a long verse: reading the marks, shaping and laying out the whole column.
void BM_LongVerseWholeColumn(benchmark::State& state) {
    const QString text = LongVerse(int(state.range(0)), int(state.range(1)));
    const QFont font = VerseFont();
    const VerticalShaper shaper(font);
    for (auto _ : state) {
        const ColumnLayout layout =
            LayOutColumn(ToStripText(ParseRuby(text).base), shaper, font, ColumnWidth);
        benchmark::DoNotOptimize(layout.cells.size());
    }
}
BENCHMARK(BM_LongVerseWholeColumn)->Apply(LongVerseArguments);

// A long verse as the window shows it after a change: fitted to the column and painted.
void BM_LongVerseFittedAndPainted(benchmark::State& state) {
    FitAndPaint(state, LongVerse(int(state.range(0)), int(state.range(1))));
}
BENCHMARK(BM_LongVerseFittedAndPainted)->Apply(LongVerseArguments);

// A keystroke in the editor's verse field when the verse is 200 000 characters long: the
// preview column takes the new text, fits it (and its tooltip) and paints. A frame is 16 ms.
void BM_LongVerseKeystrokeInPreview(benchmark::State& state) {
    QWidget strip;
    strip.resize(ColumnWidth * 4, ColumnHeight);
    StripColumn column(&strip);
    column.setFont(VerseFont());
    column.SetColumnGeometry(QRect(ColumnWidth, 0, ColumnWidth, ColumnHeight));
    QImage image(column.size(), QImage::Format_ARGB32_Premultiplied);
    QString text = LongVerse(int(state.range(0)), 200000);
    for (auto _ : state) {
        text[text.size() / 2] = text[text.size() / 2] == u'あ' ? u'い' : u'あ';
        column.SetText(text);
        column.render(&image);
    }
}
BENCHMARK(BM_LongVerseKeystrokeInPreview)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Ten times the text, against the shortest: about ten when the time grows with the length.
const bench::Ratio WholeLines("BM_LongVerseWholeColumn/1/200000",
                              "BM_LongVerseWholeColumn/1/20000");
const bench::Ratio WholeMarks("BM_LongVerseWholeColumn/2/200000",
                              "BM_LongVerseWholeColumn/2/20000");
const bench::Ratio WholeMixed("BM_LongVerseWholeColumn/3/200000",
                              "BM_LongVerseWholeColumn/3/20000");
const bench::Ratio FittedLines("BM_LongVerseFittedAndPainted/1/200000",
                               "BM_LongVerseFittedAndPainted/1/20000");
const bench::Ratio FittedMixed("BM_LongVerseFittedAndPainted/3/200000",
                               "BM_LongVerseFittedAndPainted/3/20000");

} // namespace
