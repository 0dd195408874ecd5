// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/SharedState.h"
#include "ui/Dialogs.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace yomiwa::protect {

// The password window: asks for the edit password of the collection about to be changed
// and lets the editor open only when it matches EditPassword exactly.
class F_pass : public QDialog {
    Q_OBJECT
public:
    // `openEditor` runs once the right password has closed this window; the window's
    // handler returns only after it has.
    F_pass(SharedState& state, ui::Dialogs& dialogs, std::function<void()> openEditor,
           QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

protected:
    // Esc and the close box cancel, as "キャンセル" does.
    void reject() override;

private:
    SharedState& m_state;
    ui::Dialogs& m_dialogs;
    std::function<void()> m_openEditor;

    // The controls, as the layout table names them.
    QLabel* m_explanationLabel = nullptr;
    QLabel* m_passwordCaption = nullptr;
    QLineEdit* m_passwordField = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace yomiwa::protect
