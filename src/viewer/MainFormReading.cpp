// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/MainForm.h"

#include "model/PageList.h"
#include "print/StripPage.h"
#include "viewer/ReadingScreen.h"

#include <QListWidget>
#include <QScreen>

namespace yomiwa::viewer {

void MainForm::ReadingMode_Click() {
    if (m_readingScreen) {
        LeaveReadingScreen();
        return;
    }
    if (!m_collectionOpen || m_pageList->currentRow() < 0)
        return;
    // As a page turn does: the comment is kept before the page goes out of sight.
    StoreShownComment();
    m_readingScreen = new ReadingScreen(m_collection.Title, this);
    connect(m_readingScreen, &ReadingScreen::TurnRequested, this,
            [this](int row) { m_pageList->setCurrentRow(row); });
    connect(m_readingScreen, &ReadingScreen::LeaveRequested, this,
            [this] { LeaveReadingScreen(); });
    ShowOnReadingScreen();
    // The whole screen the window is on, also where no window manager makes it so.
    m_readingScreen->setGeometry(screen()->geometry());
    m_readingScreen->showFullScreen();
    m_readingScreen->activateWindow();
    m_readingScreen->setFocus();
}

ReadingScreen* MainForm::ShownReadingScreen() const {
    return m_readingScreen;
}

void MainForm::ShowOnReadingScreen() {
    if (!m_readingScreen)
        return;
    const int row = m_pageList->currentRow();
    m_readingScreen->ShowPage(row, m_pageList->count(),
                              print::PageToPrint(m_collection, PageRows(m_collection), row));
}

void MainForm::LeaveReadingScreen() {
    if (!m_readingScreen)
        return;
    m_readingScreen->close();
    m_readingScreen = nullptr;
    activateWindow();
}

} // namespace yomiwa::viewer
