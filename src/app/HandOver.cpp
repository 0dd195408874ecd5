// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandOver.h"

#include "viewer/MainForm.h"

#include <QApplication>
#include <QTimer>

namespace yomiwa::app {

namespace {
constexpr int ModalPollMs = 250;
}

void OpenHandedOver(viewer::MainForm& form, const QString& path) {
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        QTimer::singleShot(ModalPollMs, &form, [&form, path] { OpenHandedOver(form, path); });
        return;
    }
    form.OpenCollectionFile(path);
}

} // namespace yomiwa::app
