// SPDX-License-Identifier: GPL-3.0-or-later
#include "protect/F_pass.h"

#include "ui/ColourValues.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace yomiwa::protect {

using namespace Qt::Literals::StringLiterals;

namespace {
using enum strip::Face;

constexpr ui::Font Gothic11{Gothic, 11.25};
constexpr ui::Font Mincho11{Mincho, 11.25};
constexpr ColourValue Pink = 0x00C0C0FF;
constexpr const char16_t* Explanation =
    u"句集の作者以外の人の改変を防止するため、句集を編集するにはパスワードの入力が必要です。";
} // namespace

F_pass::F_pass(SharedState& state, ui::Dialogs& dialogs, std::function<void()> openEditor,
               QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_openEditor(std::move(openEditor)) {
    setObjectName(u"F_pass"_s);
    ui::SetClientSizeTwips(this, 5025, 2505);
    ui::SetBackColour(this, 0x0080FFFF);

    using namespace ui::rows;
    // The password window's controls, in twips of its client area.
    const ui::ControlRow table[] = {
        Label("Label1", {120, 180, 4815, 675}, Gothic11, Explanation, m_explanationLabel),
        Label("Label2", {360, 1200, 1200, 225}, Gothic11, u"パスワード", m_passwordCaption),
        LineEdit("Text9", {1740, 1140, 2475, 315}, Mincho11, m_passwordField).Back(Pink).Tab(0),
        Button("Command1", {480, 1680, 1875, 615}, u"ＯＫ", m_okButton).Tab(1),
        Button("Command2", {2640, 1680, 1875, 615}, u"キャンセル", m_cancelButton).Tab(2),
    };
    ui::BuildControls(this, table);
    // The explanation takes three lines; a stand-in face with a taller line than the one
    // the window was drawn for grows the label downwards into the free space below it.
    QLabel* label = m_explanationLabel;
    label->resize(label->width(), qMax(label->height(), label->heightForWidth(label->width())));
    // Enter anywhere in the window is "ＯＫ".
    m_okButton->setDefault(true);

    connect(m_okButton, &QPushButton::clicked, this, &F_pass::Command1_Click);
    connect(m_cancelButton, &QPushButton::clicked, this, &F_pass::Command2_Click);

    Form_Load();
    m_passwordField->setFocus();
}

void F_pass::Form_Load() {
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" パスワード入力"_s);
}

void F_pass::Command1_Click() {
    if (m_state.EditPassword != m_passwordField->text()) {
        // The reader may correct the typed text and try again, as often as needed.
        m_dialogs.MsgBox(this, u"パスワードが間違っています。"_s, ui::MsgStyle::Notice);
        return;
    }
    QDialog::accept();
    if (m_openEditor)
        m_openEditor();
}

void F_pass::Command2_Click() {
    QDialog::reject();
}

void F_pass::reject() {
    Command2_Click();
}

} // namespace yomiwa::protect
