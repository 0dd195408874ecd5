// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "ui/Dialogs.h"

#include <optional>

class QWidget;

namespace yomiwa::editor {

// The editor's colour dialog (CMD1). Like the dialog it stands for, it remembers the colour
// of its last confirmed choice for as long as its window is open: a cancel reports that
// colour again, so the caller re-applies it.
class ColourDialog {
public:
    explicit ColourDialog(ui::Dialogs& dialogs)
        : m_dialogs(dialogs) {}

    // Shows the dialog, starting from the last confirmed colour or else from `current`.
    // Returns the colour to apply, always an RGB value; nullopt when it was cancelled before
    // any colour was confirmed, so that what the controls hold stays as it is.
    std::optional<ColourValue> Show(QWidget* parent, ColourValue current);

private:
    ui::Dialogs& m_dialogs;
    std::optional<ColourValue> m_confirmed;
};

} // namespace yomiwa::editor
