#include "StripColumn.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace yomiwa::ui {

StripColumn::StripColumn(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void StripColumn::SetCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

QStringList StripColumn::Cells() const {
    QStringList cells;
    for (qsizetype i = 0; i < m_caption.size(); ++i) {
        if (m_caption[i].isHighSurrogate() && i + 1 < m_caption.size() &&
            m_caption[i + 1].isLowSurrogate()) {
            cells.append(m_caption.sliced(i, 2));
            ++i;
        } else {
            cells.append(QString(m_caption[i]));
        }
    }
    return cells;
}

int StripColumn::LineHeight() const {
    return QFontMetrics(font()).height();
}

void StripColumn::paintEvent(QPaintEvent*) {
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    int top = 0;
    for (const QString& cell : Cells()) {
        if (top >= height())
            break; // the rest is cut off at the bottom edge
        painter.drawText(0, top + metrics.ascent(), cell);
        top += lineHeight;
    }
}

} // namespace yomiwa::ui
