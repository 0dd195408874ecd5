// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Desktop.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTranslator>

namespace yomiwa::app {

using namespace Qt::Literals::StringLiterals;

QString DesktopId() {
    // Set once, in the top CMakeLists.txt, for the installed files too.
    return QStringLiteral(YOMIWA_DESKTOP_ID);
}

QIcon AppIcon() {
    QSvgRenderer svg(u":/yomiwa/icon.svg"_s);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool InstallQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace yomiwa::app
