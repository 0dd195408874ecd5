// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip/Colours.h"
#include "ui/BoxText.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;

TEST(UiLayer, ColoursAndBoxTexts) {
    // Red in the lowest byte; a system colour paints the palette's (their values arriving in
    // the windows: see the end-to-end test).
    EXPECT_EQ(strip::ToQColor(0x00C0FFFF), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(strip::ToQColor(SystemColour(15)), QApplication::palette().color(QPalette::Button));
    // A lone CR in a box's text is a line break, as the files read it back.
    QPlainTextEdit box;
    SetBoxText(&box, u"上\r下\na"_s);
    EXPECT_EQ(BoxText(&box), u"上\r\n下\na"_s);
}
