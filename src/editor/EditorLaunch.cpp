// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorLaunch.h"

#include "editor/F_sakusei.h"
#include "model/FileNames.h"
#include "model/KushuFile.h"
#include "protect/F_pass.h"

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

namespace {
// The editor is built afresh for every showing and destroyed when it closes. A collection
// that could not be read at all is never shown.
void ShowEditor(SharedState& state, ui::Dialogs& dialogs, QWidget* parent,
                const QString& selected) {
    F_sakusei editor(state, dialogs, selected, parent);
    if (editor.Loaded())
        dialogs.ShowModal(&editor);
}
} // namespace

void LaunchNewCollection(SharedState& state, ui::Dialogs& dialogs, QWidget* parent) {
    state.Editing = EditMode::New;
    ShowEditor(state, dialogs, parent, QString());
}

void LaunchChangeCollection(SharedState& state, ui::Dialogs& dialogs, QWidget* parent,
                            const QString& selected) {
    if (selected.isEmpty()) {
        dialogs.MsgBox(parent, u"上のリストから、編集したい句集を選択してください。"_s,
                       ui::MsgStyle::Ok);
        return;
    }
    // Only the header is needed here: the password on line 4.
    const Result<KushuHeader> header =
        ReadKushuHeader(CollectionFilePath(state.AppFolder, selected), 4);
    if (!header.ok()) {
        dialogs.MsgBox(parent, header.error(), ui::MsgStyle::Notice);
        return;
    }
    state.EditPassword = header.value().Password;
    state.Editing = EditMode::Change;
    protect::F_pass pass(
        state, dialogs, [&] { ShowEditor(state, dialogs, parent, selected); }, parent);
    dialogs.ShowModal(&pass);
}

} // namespace yomiwa::editor
