// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's buttons: the entry list operations, the colours, and leaving.
#include "editor/F_sakusei.h"
#include "model/FileIo.h"
#include "model/FileNames.h"
#include "model/KushuFile.h"
#include "model/TextLines.h"
#include "ui/BoxText.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

void F_sakusei::ConnectEditing() {
    connect(m_addButton, &QPushButton::clicked, this, &F_sakusei::Command5_Click);
    connect(m_deleteButton, &QPushButton::clicked, this, &F_sakusei::Command3_Click);
    connect(m_moveUpButton, &QPushButton::clicked, this, &F_sakusei::Command1_Click);
    connect(m_moveDownButton, &QPushButton::clicked, this, &F_sakusei::Command2_Click);
    // 句の変更 has no click: it acts on the mouse press alone (see eventFilter).
    m_changeButton->installEventFilter(this);
    for (int i = 0; i < ColourSlotCount; ++i) {
        connect(m_colourButtons[std::size_t(i)].Control, &QPushButton::clicked, this,
                [this, i] { ColourButton_Click(i); });
    }
    connect(m_saveColoursButton, &QPushButton::clicked, this, &F_sakusei::Command19_Click);
    connect(m_pasteColoursButton, &QPushButton::clicked, this, &F_sakusei::Command20_Click);
    connect(m_saveButton, &QPushButton::clicked, this, &F_sakusei::Command4_Click);
    connect(m_leaveButton, &QPushButton::clicked, this, &F_sakusei::Command17_Click);
    auto* bulk = new QAction(u"まとめて追加…"_s, this);
    bulk->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    addAction(bulk);
    m_entryList->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_entryList->addAction(bulk);
    connect(bulk, &QAction::triggered, this, &F_sakusei::BulkAdd_Click);
}

Selection F_sakusei::CurrentSelection() const {
    return {ListIndex(), ListText()};
}

EntryFields F_sakusei::Fields() const {
    return {m_prefaceField->text(), m_verseField->text(), m_postscriptField->text(),
            ui::BoxText(m_commentaryBox)};
}

QWidget* F_sakusei::FieldControl(Field field) const {
    switch (field) {
    case Field::Preface:
        return m_prefaceField;
    case Field::Verse:
        return m_verseField;
    case Field::Postscript:
        return m_postscriptField;
    case Field::Commentary:
        return m_commentaryBox;
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
            m_entryList->insertItem(change.Row, change.Text);
            break;
        case RowChange::Kind::SetText:
            m_entryList->item(change.Row)->setText(change.Text);
            break;
        case RowChange::Kind::Remove:
            delete m_entryList->takeItem(change.Row);
            break;
        }
    }
    if (outcome.ClearSelection)
        m_entryList->setCurrentRow(-1);
    m_quietList = false;
    if (outcome.Select)
        SelectRow(*outcome.Select);
    if (outcome.Message)
        Tell(outcome.Message->Text, outcome.Message->Style, outcome.Message->Title);
    if (QWidget* focus = FieldControl(outcome.Focus))
        focus->setFocus();
    if (outcome.ClearFields) {
        // Emptied as set text, not as typing: the fields' own undo must not bring the entry
        // just stored back into them.
        ui::SetBoxText(m_commentaryBox, QString());
        for (QLineEdit* field : {m_verseField, m_prefaceField, m_postscriptField})
            field->setText(QString());
    }
}

void F_sakusei::Command5_Click() {
    Step(u"句の追加"_s, [this] {
        Apply(AddEntry(m_collection, m_origins, CurrentSelection(), Fields(), ReadShownColours()));
    });
}

void F_sakusei::Command18_MouseDown(Qt::MouseButton, int shift) {
    Step(u"句の変更"_s, [this, shift] {
        Apply(ChangeEntry(m_collection, CurrentSelection(), Fields(), ReadShownColours(), shift));
    });
}

void F_sakusei::Command3_Click() {
    Step(u"句の削除"_s, [this] {
        const Selection selection = CurrentSelection();
        Outcome outcome = DeleteEntry(m_collection, m_origins, selection, false);
        if (outcome.Question) {
            const Prompt& q = *outcome.Question;
            // Enter keeps the entry.
            if (m_dialogs.MsgBox(this, q.Text, q.Style, q.Title, ui::Dialogs::Answer::No) !=
                ui::Dialogs::Answer::Yes)
                return;
            outcome = DeleteEntry(m_collection, m_origins, selection, true);
        }
        Apply(outcome);
    });
}

void F_sakusei::Command1_Click() {
    Step(u"上に移動"_s,
         [this] { Apply(MoveEntryUp(m_collection, m_origins, CurrentSelection())); });
}

void F_sakusei::Command2_Click() {
    Step(u"下に移動"_s,
         [this] { Apply(MoveEntryDown(m_collection, m_origins, CurrentSelection())); });
}

void F_sakusei::BulkAdd_Click() {
    const Selection selection = CurrentSelection();
    // Nothing is read where nothing could be added.
    if (std::optional<Outcome> refused = RefuseAddPlace(m_collection, selection)) {
        Apply(*refused);
        return;
    }
    const std::optional<QString> text = BulkText();
    if (!text)
        return;
    const Outcome outcome =
        AddVerses(m_collection, m_origins, selection, *text, ReadShownColours(), false);
    if (!outcome.Question) {
        Apply(outcome);
        return;
    }
    const Prompt& q = *outcome.Question;
    if (m_dialogs.MsgBox(this, q.Text, q.Style, q.Title, ui::Dialogs::Answer::No) !=
        ui::Dialogs::Answer::Yes)
        return;
    Step(u"まとめて追加"_s, [&] {
        Apply(AddVerses(m_collection, m_origins, selection, *text, ReadShownColours(), true));
    });
}

std::optional<QString> F_sakusei::BulkText() {
    const int source = m_dialogs.Choose(this, u"まとめて追加"_s,
                                        u"追加する句の読み込み元を選んでください（１行に１句）。"_s,
                                        {u"クリップボード"_s, u"テキストファイル（UTF-8）…"_s});
    if (source < 0)
        return std::nullopt;
    if (source == 0)
        return QGuiApplication::clipboard()->text();
    const QString path =
        m_dialogs.OpenFileName(this, u"まとめて追加する句のファイル"_s,
                               u"テキストファイル (*.txt);;すべてのファイル (*)"_s);
    if (path.isEmpty())
        return std::nullopt;
    // A full collection's verses come to a few megabytes.
    constexpr qint64 Limit = 64 << 20;
    const Result<QByteArray> bytes = ReadFileBytes(path, Limit);
    if (!bytes.ok()) {
        Tell(bytes.error(), ui::MsgStyle::Notice);
        return std::nullopt;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes.value());
    if (utf8.hasError()) {
        Tell(u"ファイル「"_s + QFileInfo(path).fileName() +
             u"」はUTF-8のテキストではないため、読み込めません。"_s);
        return std::nullopt;
    }
    return text;
}

void F_sakusei::ColourButton_Click(int index) {
    const QList<ColourTarget> targets = PaintedBy(m_colourButtons.at(std::size_t(index)).Slot);
    const std::optional<ColourValue> colour =
        m_colourDialog.Show(this, ReadColour(targets.first()));
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
    for (const ColourButton& button : m_colourButtons) {
        for (const ColourTarget& target : PaintedBy(button.Slot))
            PaintColour(target, m_state.SavedColours[button.Slot]);
    }
}

void F_sakusei::Command4_Click() {
    const QString password = m_passwordField->text();
    // A password with a line break could never be typed into the password window.
    if (HasLineBreak(password)) {
        Tell(u"パスワードが２行以上になっています。\r"_s
             u"クリップボードを使って文字を貼り付ける場合は、\r"_s
             u"改行が含まれないように注意してください。"_s,
             ui::MsgStyle::Ok, u"パスワードは１行にしてください"_s);
        m_passwordField->setFocus();
        return;
    }
    const QString title = m_titleField->text();
    if (title.isEmpty()) {
        Tell(u"句集名が入力されていないと保存することができません。"_s);
        m_titleField->setFocus();
        return;
    }
    const QString edition = m_editionField->text();
    // Title and edition name the file: neither may lead it out of the program's folder.
    for (auto [text, what, field] : {std::tuple{&title, u"句集名"_s, m_titleField},
                                     std::tuple{&edition, u"版数"_s, m_editionField}}) {
        if (const Status name = CheckFileNamePart(*text, what); !name.ok()) {
            Tell(name.error());
            field->setFocus();
            return;
        }
    }
    Kushu collection = m_collection;
    // After a read that stopped at line 5 the list is empty: there is no collection to
    // save, and saving would put four empty pages in place of the file.
    if (m_entryList->count() != collection.KuCount() + 4) {
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
    collection.Title = title;
    collection.Author = m_authorField->text();
    collection.Edition = edition;
    collection.Password = password;
    // A refused or failed write leaves the files and the editor as they were.
    const Result<SavedCollection> saved =
        SaveCollection(m_state.AppFolder, collection, m_loadedFile, m_origins);
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
