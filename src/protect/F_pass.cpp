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
using enum ui::ControlKind;
using enum strip::Face;

constexpr const char16_t* Explanation =
    u"句集の作者以外の人の改変を防止するため、句集を編集するにはパスワードの入力が必要です。";

// The password window's controls, in twips of its client area.
constexpr ui::ControlRow Layout[] = {
    {"Label1", Label, {120, 180, 4815, 675}, Gothic, 11.25, false, Explanation},
    {"Label2", Label, {360, 1200, 1200, 225}, Gothic, 11.25, false, u"パスワード"},
    {"Text9", LineEdit, {1740, 1140, 2475, 315}, Mincho, 11.25, false, nullptr, 0x00C0C0FF, {}, 0},
    {"Command1", Button, {480, 1680, 1875, 615}, PGothic, 11.25, false, u"ＯＫ", {}, {}, 1},
    {"Command2", Button, {2640, 1680, 1875, 615}, PGothic, 11.25, false, u"キャンセル", {}, {}, 2},
};
} // namespace

std::span<const ui::ControlRow> F_passLayout() {
    return Layout;
}

F_pass::F_pass(SharedState& state, ui::Dialogs& dialogs, std::function<void()> openEditor,
               QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_openEditor(std::move(openEditor)) {
    setObjectName(u"F_pass"_s);
    ui::SetClientSizeTwips(this, 5025, 2505);
    ui::SetBackColour(this, 0x0080FFFF);

    ui::BuildControls(this, F_passLayout());
    Label1 = ui::Built<QLabel>(this, "Label1");
    Label2 = ui::Built<QLabel>(this, "Label2");
    Text9 = ui::Built<QLineEdit>(this, "Text9");
    Command1 = ui::Built<QPushButton>(this, "Command1");
    Command2 = ui::Built<QPushButton>(this, "Command2");
    // The explanation takes three lines; a stand-in face with a taller line than the one
    // the window was drawn for grows the label downwards into the free space below it.
    Label1->resize(Label1->width(),
                   qMax(Label1->height(), Label1->heightForWidth(Label1->width())));
    // Enter anywhere in the window is "ＯＫ".
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, &F_pass::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_pass::Command2_Click);

    Form_Load();
    Text9->setFocus();
}

void F_pass::Form_Load() {
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" パスワード入力"_s);
}

void F_pass::Command1_Click() {
    if (m_state.EditPassword != Text9->text()) {
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
