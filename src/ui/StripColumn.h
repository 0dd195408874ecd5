// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "strip/StripColumnPainter.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace yomiwa::strip {
class VerticalShaper;
}

namespace yomiwa::ui {

// A name or tooltip for screen readers and the pointer, cut at about a thousand characters
// so that a huge field never slows the window.
QString CappedForReaders(const QString& text);
// What a screen reader says for a field: readings in parentheses after their bases.
QString HeardText(const QString& fieldText);
// Screen readers get the widget as static text named by its accessible name; called before
// anything asks for its accessible interface.
void ReadAsStaticText(QWidget* widget);

// One column of the tanzaku strip: a field's text set as a vertical line, read top to
// bottom, with the vertical forms of the face Qt chose for the column's font. Text too
// long for the column is set to fit (strip::StripLayout); what even that cannot show is in the
// tooltip. It has no background of its own, so the strip shows through. The text colour
// is the widget's fore colour (SetForeColour). Screen readers get it as static text named by
// what the field says (HeardText).
class StripColumn : public QWidget {
    Q_OBJECT
public:
    explicit StripColumn(QWidget* parent);
    ~StripColumn() override;

    // The field's own text: with ー, and with any reading marks.
    void SetText(const QString& fieldText);
    QString Text() const { return m_text; }
    // The text as the column form has it: every ー as ｜.
    QString Caption() const;

    // Places the column at `column` (parent's pixels) and the widget over it and the room
    // beside it that a second line and readings may take. Without it, the widget is the
    // column.
    void SetColumnGeometry(const QRect& column);

    // The column as it is painted, in the column's own pixels.
    const strip::StripLayout& Fitted() const;
    // The column's rectangle in the widget.
    QRect ColumnRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const strip::VerticalShaper& Shaper() const;
    void Refit();

    QString m_text;
    QRect m_column; // in the parent; empty when the widget is the column
    // Shaping and layout are kept between paints: the shaper until the font changes, the
    // layout until the text, the font or the column's size changes.
    mutable std::unique_ptr<strip::VerticalShaper> m_shaper;
    mutable QFont m_shaperFont;
    mutable std::optional<strip::StripLayout> m_fitted;
    mutable QSize m_fittedSize;
};

} // namespace yomiwa::ui
