#include "StripColumn.h"

#include "VerticalShaper.h"

#include <QPainter>
#include <QStringList>

namespace yomiwa::ui {

StripColumn::StripColumn(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

StripColumn::~StripColumn() = default;

void StripColumn::SetCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_layout.reset();
    update();
}

QStringList StripColumn::Cells() const {
    QStringList cells;
    for (const ColumnCell& cell : Layout().cells)
        cells.append(cell.text);
    return cells;
}

int StripColumn::LineHeight() const {
    return qRound(Layout().fullCell);
}

const ColumnLayout& StripColumn::Layout() const {
    // Keyed on the font and width themselves: a hidden widget gets its resize event only
    // when it is shown.
    if (!m_shaper || m_shaperFont != font()) {
        m_shaper = std::make_unique<VerticalShaper>(font());
        m_shaperFont = font();
        m_layout.reset();
    }
    if (!m_layout || m_layoutWidth != width()) {
        m_layout = LayOutColumn(m_caption, *m_shaper, font(), width());
        m_layoutWidth = width();
    }
    return *m_layout;
}

void StripColumn::paintEvent(QPaintEvent*) {
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    DrawColumn(painter, Layout(), height());
}

} // namespace yomiwa::ui
