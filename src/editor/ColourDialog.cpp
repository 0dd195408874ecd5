#include "editor/ColourDialog.h"

#include "ui/ColourValues.h"

namespace yomiwa::editor {

std::optional<ColourValue> ColourDialog::Show(QWidget* parent, ColourValue current) {
    const std::optional<QColor> picked =
        m_dialogs.PickColour(parent, ui::ToQColor(m_confirmed.value_or(current)));
    if (picked && picked->isValid())
        m_confirmed = ui::FromQColor(*picked);
    return m_confirmed;
}

} // namespace yomiwa::editor
