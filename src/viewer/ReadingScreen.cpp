// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ReadingScreen.h"

#include "print/StripPainter.h"
#include "strip/Colours.h"
#include "strip/StripGeometry.h"
#include "ui/StripColumn.h"
#include "ui/WheelNotches.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <cstdlib>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

ReadingScreen::ReadingScreen(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_title(title) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(title);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"短冊"_s);
    const QString descriptions[] = {u"前書"_s, u"句"_s, u"後書"_s};
    for (int i = 0; i < 3; ++i) {
        m_columns[i] = new QWidget(this);
        ui::ReadAsStaticText(m_columns[i]);
        m_columns[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_columns[i]->setAccessibleDescription(descriptions[i]);
    }
}

void ReadingScreen::ShowPage(int row, int count, const print::StripPage& page) {
    m_row = row;
    m_count = count;
    m_page = page;
    m_columns[0]->setAccessibleName(ui::HeardText(page.Preface));
    m_columns[1]->setAccessibleName(ui::HeardText(page.Verse));
    m_columns[2]->setAccessibleName(ui::HeardText(page.Postscript));
    update();
}

QRectF ReadingScreen::StripRect() const {
    const QSizeF strip = print::StripPixelSize();
    const qreal tall = height() * m_zoomTenths / 10.0;
    const qreal wide = tall * strip.width() / strip.height();
    return {(width() - wide) / 2, (height() - tall) / 2, wide, tall};
}

void ReadingScreen::PlaceColumns() {
    const QRectF strip = StripRect();
    const qreal scale = strip.height() / print::StripPixelSize().height();
    const QRect shape = strip::PixelsOf(strip::ShapeTwips);
    const QRect twips[] = {strip::Preface.Twips, strip::Verse.Twips, strip::Postscript.Twips};
    for (int i = 0; i < 3; ++i) {
        const QRectF column = QRectF(strip::PixelsOf(twips[i]).translated(-shape.topLeft()));
        m_columns[i]->setGeometry(
            QRectF(strip.topLeft() + column.topLeft() * scale, column.size() * scale).toRect());
    }
}

void ReadingScreen::resizeEvent(QResizeEvent* event) {
    PlaceColumns();
    QWidget::resizeEvent(event);
}

void ReadingScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), strip::ToQColor(m_page.Colours[WholeBack]));
    painter.setRenderHint(QPainter::Antialiasing);
    print::PaintStrip(painter, m_page, StripRect());
    // The title and the page number, small, in the lower right corner.
    QFont small = font();
    small.setPixelSize(qMax(12, height() / 60));
    painter.setFont(small);
    painter.setPen(strip::ToQColor(m_page.Colours[CaptionFore]));
    const int margin = small.pixelSize();
    painter.drawText(rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignRight | Qt::AlignBottom,
                     u"%1　%2 / %3"_s.arg(m_title).arg(m_row + 1).arg(m_count));
}

void ReadingScreen::Turn(int row) {
    row = qBound(0, row, m_count - 1);
    if (row != m_row)
        emit TurnRequested(row);
}

void ReadingScreen::Zoom(int tenths) {
    m_zoomTenths = qBound(5, tenths, 10);
    PlaceColumns();
    update();
}

void ReadingScreen::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (key == Qt::Key_Minus)
            return Zoom(m_zoomTenths - 1);
        if (key == Qt::Key_Plus || key == Qt::Key_Equal)
            return Zoom(m_zoomTenths + 1);
        if (key == Qt::Key_0)
            return Zoom(10);
    }
    if (key == Qt::Key_Space && modifiers == Qt::ShiftModifier)
        return Turn(m_row - 1);
    if (modifiers != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    switch (key) {
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Left:
        return Turn(m_row + 1);
    case Qt::Key_PageUp:
    case Qt::Key_Right:
        return Turn(m_row - 1);
    case Qt::Key_Home:
        return Turn(0);
    case Qt::Key_End:
        return Turn(m_count - 1);
    case Qt::Key_Escape:
    case Qt::Key_F11:
        emit LeaveRequested();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ReadingScreen::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // Vertical text reads leftwards: the left half goes on. The second press of a
    // double-click (where the platform sends one) belongs to the first.
    if (!m_sinceClick.isValid() || m_sinceClick.elapsed() > QApplication::doubleClickInterval())
        m_rowBeforeClick = m_row;
    m_sinceClick.start();
    Turn(event->position().x() < width() / 2.0 ? m_row + 1 : m_row - 1);
}

void ReadingScreen::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (m_rowBeforeClick >= 0)
        Turn(m_rowBeforeClick);
    emit LeaveRequested();
}

void ReadingScreen::wheelEvent(QWheelEvent* event) {
    // One page per notch, as on the reading window's strip.
    const int notches = ui::WheelNotches(*event, m_wheelDelta);
    for (int i = 0; i < std::abs(notches); ++i)
        Turn(m_row + (notches < 0 ? 1 : -1));
}

} // namespace yomiwa::viewer
