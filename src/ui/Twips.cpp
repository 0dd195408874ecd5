// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace yomiwa::ui {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(strip::TwipsRect(left, top, width, height));
}

void SetClientSizeTwips(QWidget* window, int width, int height) {
    window->setFixedSize(strip::Px(width), strip::Px(height));
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole frame, title bar included, in the part of the screen that panels leave free.
    const QRect frame =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->frameGeometry().size(),
                            screen->availableGeometry());
    window->move(frame.topLeft());
}

} // namespace yomiwa::ui
