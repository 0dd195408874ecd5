// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/SharedState.h"
#include "ui/Dialogs.h"

#include <QString>

class QWidget;

namespace yomiwa::editor {

// The two ways the reading window starts the editor. Both show their windows modally and
// return when they have closed.

// "新しい句集を作る": the editor for a new collection.
void LaunchNewCollection(SharedState& state, ui::Dialogs& dialogs, QWidget* parent);

// "句集を編集する": the password window for the collection chosen in the list, then the
// editor on it. `selected` is the file name the chosen row stands for (or, without one, the
// row's text: title, "_", edition); empty when nothing is chosen.
void LaunchChangeCollection(SharedState& state, ui::Dialogs& dialogs, QWidget* parent,
                            const QString& selected);

} // namespace yomiwa::editor
