// The editor's buttons: the entry list operations, the colours, and leaving.
#include "editor/F_sakusei.h"
#include "model/FileNames.h"
#include "model/KushuFile.h"
#include "model/TextLines.h"
#include "ui/BoxText.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

void F_sakusei::ConnectEditing() {
    connect(Command5, &QPushButton::clicked, this, &F_sakusei::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &F_sakusei::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &F_sakusei::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_sakusei::Command2_Click);
    // 句の変更 has no click: it acts on the mouse press alone (see eventFilter).
    Command18->installEventFilter(this);
    for (int i = 0; i < ColourSlotCount; ++i) {
        connect(m_colourButtons[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { ColourButton_Click(i); });
    }
    connect(Command19, &QPushButton::clicked, this, &F_sakusei::Command19_Click);
    connect(Command20, &QPushButton::clicked, this, &F_sakusei::Command20_Click);
    connect(Command4, &QPushButton::clicked, this, &F_sakusei::Command4_Click);
    connect(Command17, &QPushButton::clicked, this, &F_sakusei::Command17_Click);
}

Selection F_sakusei::CurrentSelection() const {
    return {ListIndex(), ListText()};
}

EntryFields F_sakusei::Fields() const {
    return {Text6->text(), Text5->text(), Text7->text(), ui::BoxText(Text1)};
}

QWidget* F_sakusei::FieldControl(Field field) const {
    switch (field) {
    case Field::Preface:
        return Text6;
    case Field::Verse:
        return Text5;
    case Field::Postscript:
        return Text7;
    case Field::Commentary:
        return Text1;
    case Field::None:
        break;
    }
    return nullptr;
}

void F_sakusei::Tell(const QString& text, ui::MsgStyle style, const QString& title) {
    ++m_told;
    m_dialogs.MsgBox(this, text, style, title);
}

void F_sakusei::Apply(const Outcome& outcome) {
    // The list follows the array row for row; the rows' own choice of a new current row
    // while they change is no selection.
    m_quietList = true;
    for (const RowChange& change : outcome.Rows) {
        switch (change.What) {
        case RowChange::Kind::Insert:
            List1->insertItem(change.Row, change.Text);
            break;
        case RowChange::Kind::SetText:
            List1->item(change.Row)->setText(change.Text);
            break;
        case RowChange::Kind::Remove:
            delete List1->takeItem(change.Row);
            break;
        }
    }
    if (outcome.ClearSelection)
        List1->setCurrentRow(-1);
    m_quietList = false;
    if (outcome.Select)
        SelectRow(*outcome.Select);
    if (outcome.Message)
        Tell(outcome.Message->Text, outcome.Message->Style, outcome.Message->Title);
    if (QWidget* focus = FieldControl(outcome.Focus))
        focus->setFocus();
    if (outcome.ClearFields) {
        ui::SetBoxText(Text1, QString());
        Text5->clear();
        Text6->clear();
        Text7->clear();
    }
}

void F_sakusei::Command5_Click() {
    Apply(AddEntry(m_kushu, m_origins, CurrentSelection(), Fields(), ReadShownColours()));
}

void F_sakusei::Command18_MouseDown(Qt::MouseButton, int shift) {
    Apply(ChangeEntry(m_kushu, CurrentSelection(), Fields(), ReadShownColours(), shift));
}

void F_sakusei::Command3_Click() {
    const Selection selection = CurrentSelection();
    Outcome outcome = DeleteEntry(m_kushu, m_origins, selection, false);
    if (outcome.Question) {
        const Prompt& q = *outcome.Question;
        // Enter keeps the entry.
        if (m_dialogs.MsgBox(this, q.Text, q.Style, q.Title, ui::Dialogs::Answer::No) !=
            ui::Dialogs::Answer::Yes)
            return;
        outcome = DeleteEntry(m_kushu, m_origins, selection, true);
    }
    Apply(outcome);
}

void F_sakusei::Command1_Click() {
    Apply(MoveEntryUp(m_kushu, m_origins, CurrentSelection()));
}

void F_sakusei::Command2_Click() {
    Apply(MoveEntryDown(m_kushu, m_origins, CurrentSelection()));
}

void F_sakusei::ColourButton_Click(int index) {
    const int slot = ColourButtons()[std::size_t(index)].Slot;
    const QList<ColourTarget> targets = PaintedBy(slot);
    const std::optional<ColourValue> colour = CMD1.Show(this, ReadColour(targets.first()));
    if (!colour)
        return;
    for (const ColourTarget& target : targets)
        PaintColour(target, *colour);
}

void F_sakusei::Command19_Click() {
    m_state.SavedColours = ReadShownColours();
    Tell(u"現在の色を保存しました。\r\n"_s
         u"[保存した色の貼付け]ボタンで、保存した色を他の句に貼り付けることができます。"_s);
}

void F_sakusei::Command20_Click() {
    // Every control the colour buttons paint, in the buttons' order.
    for (const ColourButtonInfo& button : ColourButtons()) {
        for (const ColourTarget& target : PaintedBy(button.Slot))
            PaintColour(target, m_state.SavedColours[button.Slot]);
    }
}

void F_sakusei::Command4_Click() {
    const QString password = Text9->text();
    // A password with a line break could never be typed into the password window.
    if (HasLineBreak(password)) {
        Tell(u"パスワードが２行以上になっています。\r"_s
             u"クリップボードを使って文字を貼り付ける場合は、\r"_s
             u"改行が含まれないように注意してください。"_s,
             ui::MsgStyle::Ok, u"パスワードは１行にしてください"_s);
        Text9->setFocus();
        return;
    }
    const QString title = Text2->text();
    if (title.isEmpty()) {
        Tell(u"句集名が入力されていないと保存することができません。"_s);
        Text2->setFocus();
        return;
    }
    const QString edition = Text4->text();
    // Title and edition name the file: neither may lead it out of the program's folder.
    for (auto [text, what, field] :
         {std::tuple{&title, u"句集名"_s, Text2}, std::tuple{&edition, u"版数"_s, Text4}}) {
        if (const Status name = CheckFileNamePart(*text, what); !name.ok()) {
            Tell(name.error());
            field->setFocus();
            return;
        }
    }
    Kushu kushu = m_kushu;
    // After a read that stopped at line 5 the list is empty: there is no collection to
    // save, and saving would put four empty pages in place of the file.
    if (List1->count() != kushu.KuCount() + 4) {
        Tell(u"句集の内容が読み込まれていないため、保存できません。\r"_s
             u"「保存せず終了」で編集を終了してください。"_s);
        return;
    }
    // A file whose name differs only in letter case is the same collection: it is the one
    // replaced.
    const QString fileName = ExistingFileName(m_state.AppFolder, KushuFileName(title, edition));
    if (QFileInfo::exists(QDir(m_state.AppFolder).filePath(fileName))) {
        const ui::Dialogs::Answer answer = m_dialogs.MsgBox(
            this, title + u"の第"_s + edition + u"版はすでに存在します。上書きしますか？"_s,
            ui::MsgStyle::YesNo, ui::ProgramTitle(), ui::Dialogs::Answer::No);
        if (answer != ui::Dialogs::Answer::Yes)
            return;
    }
    kushu.Title = title;
    kushu.Author = Text3->text();
    kushu.Edition = edition;
    kushu.Password = password;
    // A refused or failed write leaves the files and the editor as they were.
    const Result<SavedCollection> saved =
        SaveCollection(m_state.AppFolder, kushu, m_loadedFile, m_origins);
    if (!saved.ok()) {
        Tell(saved.error(), ui::MsgStyle::Notice);
        return;
    }
    if (!saved.value().Notice.isEmpty())
        Tell(saved.value().Notice);
    m_state.LastEditorSave =
        SharedState::EditorSave{saved.value().Path, m_loadedFile.Path, m_origins};
    if (m_state.RefreshCollectionList)
        m_state.RefreshCollectionList();
    QDialog::accept();
}

void F_sakusei::Command17_Click() {
    if (ConfirmLeaveWithoutSaving())
        QDialog::reject();
}

} // namespace yomiwa::editor
