#include "F_pass.h"

#include "ColourValues.h"
#include "Controls.h"
#include "Faces.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace yomiwa::protect {

using namespace Qt::Literals::StringLiterals;
using ui::Face;
using ui::MakeFont;
using ui::Tw;

F_pass::F_pass(SharedState& state, ui::Dialogs& dialogs, std::function<void()> openEditor,
               QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_openEditor(std::move(openEditor)) {
    setObjectName(u"F_pass"_s);
    ui::SetClientSizeTwips(this, 5025, 2505);
    ui::SetBackColour(this, 0x0080FFFF);

    const QFont gothic = MakeFont(Face::Gothic, 11.25);
    Label1 = ui::AddLabel(
        this, "Label1",
        u"句集の作者以外の人の改変を防止するため、句集を編集するにはパスワードの入力が必要です。"_s,
        Tw(120, 180, 4815, 675), gothic);
    // The explanation takes three lines; a stand-in face with a taller line than the one
    // the window was drawn for grows the label downwards into the free space below it.
    Label1->resize(Label1->width(),
                   qMax(Label1->height(), Label1->heightForWidth(Label1->width())));
    Label2 = ui::AddLabel(this, "Label2", u"パスワード"_s, Tw(360, 1200, 1200, 225), gothic);
    Text9 =
        ui::AddLineEdit(this, "Text9", Tw(1740, 1140, 2475, 315), MakeFont(Face::Mincho, 11.25));
    ui::SetBackColour(Text9, 0x00C0C0FF);
    const QFont buttons = MakeFont(Face::PGothic, 11.25);
    Command1 = ui::AddButton(this, "Command1", u"ＯＫ"_s, Tw(480, 1680, 1875, 615), buttons);
    Command2 = ui::AddButton(this, "Command2", u"キャンセル"_s, Tw(2640, 1680, 1875, 615), buttons);
    // Enter anywhere in the window is "ＯＫ".
    Command1->setDefault(true);

    setTabOrder(Text9, Command1);
    setTabOrder(Command1, Command2);

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
