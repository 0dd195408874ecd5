// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ColourDialog.h"

#include "strip/Colours.h"

namespace yomiwa::editor {

std::optional<ColourValue> ColourDialog::Show(QWidget* parent, ColourValue current) {
    const std::optional<QColor> picked =
        m_dialogs.PickColour(parent, strip::ToQColor(m_confirmed.value_or(current)));
    if (picked && picked->isValid())
        m_confirmed = strip::FromQColor(*picked);
    return m_confirmed;
}

} // namespace yomiwa::editor
