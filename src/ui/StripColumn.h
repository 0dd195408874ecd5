#pragma once

#include <QString>
#include <QWidget>

namespace yomiwa::ui {

// One column of the tanzaku strip: its text read top to bottom, one character under the
// other from the column's left edge, at the font's line height, cut at the bottom edge. It
// has no background of its own, so the strip shows through. The text colour is the
// widget's fore colour (SetForeColour).
class StripColumn : public QWidget {
    Q_OBJECT
public:
    explicit StripColumn(QWidget* parent);

    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }

    // The characters as they stand in the column, one per cell; a surrogate pair is one.
    QStringList Cells() const;
    int LineHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

} // namespace yomiwa::ui
