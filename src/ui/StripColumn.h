#pragma once

#include "strip/ColumnLayout.h"
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

// One column of the tanzaku strip: a field's text set as a vertical line, read top to
// bottom, with the vertical forms of the face Qt chose for the column's font. Text too
// long for the column is set to fit (strip::StripLayout); what even that cannot show is in the
// tooltip. It has no background of its own, so the strip shows through. The text colour
// is the widget's fore colour (SetForeColour). Screen readers read the field's text as the
// column's accessible name.
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

    // The characters as they stand in the column before any fitting, one entry per cell: a
    // character with its combining marks (a surrogate pair is one character), or two
    // half-width digits set side by side.
    QStringList Cells() const;
    // The height of a full-width cell in pixels: the face's vertical advance of an
    // ideograph. Every cell of Japanese text is this tall; a half-width character's cell
    // is as tall as the face's vertical advance for it.
    int LineHeight() const;
    // The column's text at its own size, before any fitting, without readings.
    const strip::ColumnLayout& Layout() const;
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
    // layouts until the text, the font or the column's size changes.
    mutable std::unique_ptr<strip::VerticalShaper> m_shaper;
    mutable QFont m_shaperFont;
    mutable std::optional<strip::ColumnLayout> m_layout;
    mutable int m_layoutWidth = 0;
    mutable std::optional<strip::StripLayout> m_fitted;
    mutable QSize m_fittedSize;
};

} // namespace yomiwa::ui
