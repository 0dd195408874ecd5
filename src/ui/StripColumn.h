#pragma once

#include "ColumnLayout.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace yomiwa::ui {

class VerticalShaper;

// One column of the tanzaku strip: its text set as a vertical line, read top to bottom,
// with the vertical forms of the face Qt chose for the column's font, cut at the bottom
// edge. It has no background of its own, so the strip shows through. The text colour is
// the widget's fore colour (SetForeColour).
class StripColumn : public QWidget {
    Q_OBJECT
public:
    explicit StripColumn(QWidget* parent);
    ~StripColumn() override;

    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }

    // The characters as they stand in the column, one entry per cell: a character with
    // its combining marks (a surrogate pair is one character), or two half-width digits
    // set side by side.
    QStringList Cells() const;
    // The height of a full-width cell in pixels: the face's vertical advance of an
    // ideograph. Every cell of Japanese text is this tall; a half-width character's cell
    // is as tall as the face's vertical advance for it.
    int LineHeight() const;
    // The column as it is painted.
    const ColumnLayout& Layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    // Shaping and layout are kept between paints: the shaper until the font changes, the
    // layout until the text, the font or the width changes.
    mutable std::unique_ptr<VerticalShaper> m_shaper;
    mutable QFont m_shaperFont;
    mutable std::optional<ColumnLayout> m_layout;
    mutable int m_layoutWidth = 0;
};

} // namespace yomiwa::ui
