// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWheelEvent>

namespace yomiwa::ui {

// Whole notches of the wheel in an event, positive away from the reader (back a page). One
// notch is 120; a finer wheel's small steps add up in `pending` until they make one, and a
// turn the other way starts afresh.
inline int WheelNotches(const QWheelEvent& event, int& pending) {
    constexpr int Notch = 120;
    const int delta = event.angleDelta().y();
    if (delta == 0)
        return 0;
    if ((delta > 0) != (pending > 0))
        pending = 0;
    pending += delta;
    const int notches = pending / Notch;
    pending -= notches * Notch;
    return notches;
}

} // namespace yomiwa::ui
