// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/StripPage.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <array>

namespace yomiwa::viewer {

// The tanzaku full screen (読書モード): the page's strip alone, as tall as the screen, with the
// collection's title and the page number small in a corner. It only asks for pages: the
// reading window turns them, so comments are kept as when it turns them itself.
class ReadingScreen : public QWidget {
    Q_OBJECT
public:
    ReadingScreen(const QString& title, QWidget* parent);

    // Shows the page of `row`, one of `count` rows.
    void ShowPage(int row, int count, const print::StripPage& page);
    int Row() const { return m_row; }
    // The strip's height in tenths of the screen's, 5 to 10.
    int ZoomTenths() const { return m_zoomTenths; }
    // Where the strip is drawn.
    QRectF StripRect() const;

signals:
    void TurnRequested(int row);
    void LeaveRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Turn(int row);
    void Zoom(int tenths);
    void PlaceColumns();

    QString m_title;
    print::StripPage m_page;
    int m_row = -1;
    int m_count = 0;
    int m_zoomTenths = 10;
    int m_wheelDelta = 0;
    int m_rowBeforeClick = -1; // a double-click leaves at the page before its first click
    QElapsedTimer m_sinceClick;
    // Invisible stand-ins of the three columns, for screen readers.
    std::array<QWidget*, 3> m_columns{};
};

} // namespace yomiwa::viewer
