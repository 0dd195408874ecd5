#include "EditorLaunch.h"

namespace yomiwa::editor {

void LaunchNewCollection(SharedState& state, ui::Dialogs&, QWidget*) {
    state.EditMode = QStringLiteral("新規");
}

void LaunchChangeCollection(SharedState& state, ui::Dialogs&, QWidget*, const QString&) {
    state.EditMode = QStringLiteral("変更");
}

} // namespace yomiwa::editor
