// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip/Colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace yomiwa::strip {

namespace {

// The platform's system colour numbers and the palette roles that stand for them.
QPalette::ColorRole RoleOfSystemColour(int n) {
    switch (n) {
    case 0:  // scroll bar
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
        return QPalette::Button;
    case 1:  // desktop
    case 4:  // menu
    case 30: // menu bar
        return QPalette::Window;
    case 2:  // active caption
    case 13: // highlight
    case 27: // gradient active caption
    case 29: // menu highlight
        return QPalette::Highlight;
    case 3:  // inactive caption
    case 16: // button shadow
    case 28: // gradient inactive caption
        return QPalette::Mid;
    case 5: // window background
        return QPalette::Base;
    case 9:  // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 12: // application workspace
        return QPalette::Dark;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 19: // inactive caption text
        return QPalette::Text;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    case 26: // hot-tracked item
        return QPalette::Link;
    default: // 6 window frame, 7 menu text, 8 window text, and numbers that name nothing
        return QPalette::WindowText;
    }
}

} // namespace

QColor ToQColor(ColourValue value) {
    if (IsSystemColour(value))
        return QGuiApplication::palette().color(RoleOfSystemColour(int(value & 0xFFFF)));
    const quint32 v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

ColourValue FromQColor(const QColor& colour) {
    return ColourValue(quint32(colour.red()) | (quint32(colour.green()) << 8) |
                       (quint32(colour.blue()) << 16));
}

} // namespace yomiwa::strip
