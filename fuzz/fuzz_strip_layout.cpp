// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in any strip column: the reading marks must be read into readings that stand on
// their bases, and the column must set the text in order, inside the column, drawable.
// The first byte chooses how the rest is read: even, as UTF-16; odd, as pairs of a piece
// (a mark, kana, a kanji, a digit, a combining mark, a lone surrogate...) and how many
// times it comes, where one in four inputs may have runs of tens of thousands, so that long
// runs of marks come up soon but most inputs stay quick.
#include "model/RubyText.h"
#include "model/StripText.h"
#include "strip/ColumnLayout.h"
#include "strip/Faces.h"
#include "strip/StripColumnPainter.h"
#include "strip/VerticalShaper.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

using namespace yomiwa;
using namespace yomiwa::strip;
using namespace Qt::Literals::StringLiterals;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// The columns of the reading window's strip and of the editor's, in pixels.
struct Column {
    Face face;
    qreal points;
    bool bold;
    QSizeF size;
};
constexpr std::array<Column, 6> Columns = {{
    {Face::Gothic, 12, false, {17, 521}},
    {Face::Mincho, 18, true, {25, 509}},
    {Face::Gothic, 12, false, {17, 321}},
    {Face::Gothic, 8.25, false, {9, 225}},
    {Face::Mincho, 11.25, false, {17, 289}},
    {Face::Gothic, 8.25, false, {9, 125}},
}};

// A shaper per column, made once: making one reads the face's tables.
const VerticalShaper& ShaperOf(std::size_t column) {
    static std::array<std::unique_ptr<VerticalShaper>, Columns.size()> shapers;
    if (!shapers[column]) {
        const Column& c = Columns[column];
        shapers[column] = std::make_unique<VerticalShaper>(MakeFont(c.face, c.points, c.bold));
    }
    return *shapers[column];
}

// Long enough that work growing with the square of the length takes far longer than the
// fuzzer's timeout.
constexpr qsizetype LongestText = 1 << 18;
// The windows lay out only what a column shows; the whole column is laid out here for texts
// up to this long, so that the fuzzer keeps its pace.
constexpr qsizetype LongestWholeColumn = 1 << 14;

QString TextOf(const std::uint8_t* data, std::size_t size) {
    QString text;
    if (size == 0)
        return text;
    if (data[0] % 2 == 0) {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            text += QChar(char16_t(data[i] | data[i + 1] << 8));
        return text;
    }
    static const QString pieces[] = {u"｜"_s,
                                     u"ー"_s,
                                     u"《"_s,
                                     u"》"_s,
                                     u"漢"_s,
                                     u"字"_s,
                                     u"か"_s,
                                     u"ア"_s,
                                     u"ゃ"_s,
                                     u"1"_s,
                                     u"2"_s,
                                     u"a"_s,
                                     u" "_s,
                                     u"　"_s,
                                     u"。"_s,
                                     u"「"_s,
                                     u"」"_s,
                                     u"…"_s,
                                     u"\u3099"_s,
                                     u"\u0301"_s,
                                     u"\u200D"_s,
                                     u"\uFE0F"_s,
                                     u"\uFF9E"_s,
                                     u"𠀋"_s,
                                     u"😀"_s,
                                     QString(QChar(0xD800)),
                                     QString(QChar(0xDC00)),
                                     u"\r"_s,
                                     u"\u3000"_s,
                                     u"々"_s,
                                     u"《かな》"_s,
                                     u"｜あ《い》"_s};
    const bool longRuns = data[0] % 4 == 3;
    for (std::size_t i = 1; i + 1 < size && text.size() < LongestText; i += 2) {
        const QString& piece = pieces[data[i] % std::size(pieces)];
        const int times =
            longRuns && data[i + 1] >= 240 ? (data[i + 1] - 239) * 16384 : data[i + 1] % 16 + 1;
        for (int t = 0; t < times && text.size() < LongestText; ++t)
            text += piece;
    }
    return text;
}

void CheckReadings(const QString& text, const RubyText& ruby) {
    qsizetype taken = 0; // the marks taken out of the text
    qsizetype end = 0;
    for (const RubyText::Ruby& r : ruby.rubies) {
        Check(end <= r.begin && r.begin < r.end && r.end <= ruby.base.size());
        Check(!r.reading.isEmpty());
        end = r.end;
        taken += r.reading.size() + 2;
    }
    // A base after a ｜ takes that out too.
    const qsizetype left = text.size() - ruby.base.size() - taken;
    Check(left >= 0 && left <= ruby.rubies.size());
}

void CheckCells(const ColumnLayout& layout, qreal height) {
    Check(layout.glyphs.size() == layout.positions.size());
    for (const ColumnCell& cell : layout.cells) {
        Check(cell.firstGlyph >= 0 && cell.glyphCount >= 0 &&
              cell.firstGlyph + cell.glyphCount <= layout.glyphs.size());
        Check(cell.advance > 0 && cell.top >= -1e-6 && cell.top + cell.advance <= height + 1e-6);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt is given no arguments of the fuzzer's to take for its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes on faces that lack a script would fill the log and slow the fuzzer.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz_strip_layout";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = TextOf(data, size);
    const RubyText ruby = ParseRuby(text);
    CheckReadings(text, ruby);

    const std::size_t which = size > 0 ? std::size_t(data[size - 1]) % Columns.size() : 0;
    const Column& column = Columns[which];
    const QFont font = MakeFont(column.face, column.points, column.bold);
    const VerticalShaper& shaper = ShaperOf(which);

    // The whole column, without fitting: every character in a cell, in order.
    const QString strip = ToStripText(ruby.base);
    if (strip.size() <= LongestWholeColumn) {
        const ColumnLayout whole = LayOutColumn(strip, shaper, font, column.size.width());
        QString cells;
        for (const ColumnCell& cell : whole.cells)
            cells += cell.text;
        Check(cells == strip);
        CheckCells(whole, std::numeric_limits<qreal>::max());
    }

    const StripLayout fitted = LayOutStripColumn(text, shaper, font, column.size);
    Check(fitted.lines == 1 || fitted.lines == 2);
    Check(!fitted.Elided() || fitted.lines == 2);
    Check(fitted.size >= SmallestSize - 1e-9 && fitted.size <= 1);
    qsizetype shown = 0;
    for (const ColumnLayout& piece : fitted.pieces) {
        CheckCells(piece, column.size.height());
        for (const ColumnCell& cell : piece.cells)
            shown += cell.text.size();
    }
    qsizetype readings = 0;
    for (const RubyText::Ruby& r : ruby.rubies)
        readings += r.reading.size();
    // Everything (but a reading whose base lies inside a cell), or a part and the ellipsis.
    Check(shown <= strip.size() + readings + (fitted.Elided() ? 1 : 0));
    Check(fitted.Elided() || shown >= strip.size());

    QImage image(column.size.toSize() + QSize(40, 0), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(20, 0);
    DrawStripColumn(painter, fitted);
    return 0;
}

// Qt keeps what fontconfig gives it for the fonts' fallbacks in ways the leak checker
// cannot follow; a leak of the program's own still shows.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
