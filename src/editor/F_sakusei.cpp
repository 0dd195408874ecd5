// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/F_sakusei.h"

#include "editor/HelpTexts.h"
#include "model/FileNames.h"
#include "model/KushuFile.h"
#include "strip/Faces.h"
#include "ui/BoxText.h"
#include "ui/ColourValues.h"
#include "ui/Controls.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"
#include "verse/MoraCounter.h"

#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>

#include <algorithm>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

namespace {
bool IsLineBreakOrTab(QChar c) {
    return c == u'\r' || c == u'\n' || c == u'\t';
}

// A text the program puts into a one-line field shows its start, as typing one would.
void SetFieldText(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}
} // namespace

F_sakusei::F_sakusei(SharedState& state, ui::Dialogs& dialogs, const QString& selectedCollection,
                     QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_selectedCollection(selectedCollection)
    , m_colourDialog(dialogs)
    , m_undo(new QUndoStack(this))
    , m_counter(std::make_unique<verse::MoraCounter>(state.DictionaryFolder)) {
    setObjectName(u"F_sakusei"_s);
    // Each step keeps one entry array: fifty steps of a full collection stay near 200 MB.
    m_undo->setUndoLimit(50);
    BuildControls();
    ShowDesignColours();
    ConnectFields();
    NameControls();
    WatchHelp();
    ConnectEditing();
    Form_Load();
}

F_sakusei::~F_sakusei() = default;

void F_sakusei::ShowDesignColours() {
    m_shown.Targets = {{
        {this, ColourProperty::Back},
        {m_stripShape, ColourProperty::Fill},
        {m_stripShape, ColourProperty::Border},
        {m_prefaceColumn, ColourProperty::Fore},
        {m_postscriptColumn, ColourProperty::Fore},
        {m_verseColumn, ColourProperty::Fore},
        {m_commentaryBox, ColourProperty::Back},
        {m_commentaryBox, ColourProperty::Fore},
        {m_titleField, ColourProperty::Back},
        {m_titleField, ColourProperty::Fore},
        {m_collectionCaption, ColourProperty::Fore},
    }};
    // The design-time colours: the default colours on every control a colour button paints.
    for (int slot = 0; slot < ColourSlotCount; ++slot) {
        for (const ColourTarget& target : PaintedBy(slot))
            PaintColour(target, DefaultColours()[slot]);
    }
}

void F_sakusei::ConnectFields() {
    connect(m_entryList, &QListWidget::currentRowChanged, this, [this](int row) {
        // Emptying the list reports row -1; only a selected row is a selection.
        if (row >= 0 && !m_quietList)
            List1_Click();
    });
    connect(m_verseField, &QLineEdit::textChanged, this, &F_sakusei::Text5_Change);
    connect(m_prefaceField, &QLineEdit::textChanged, this, &F_sakusei::Text6_Change);
    connect(m_postscriptField, &QLineEdit::textChanged, this, &F_sakusei::Text7_Change);
    for (QLineEdit* field : OneLineFields())
        field->installEventFilter(this);
}

QList<ColourTarget> F_sakusei::PaintedBy(int slot) const {
    switch (slot) {
    case TitleBack:
        return {{m_titleField, ColourProperty::Back},
                {m_authorField, ColourProperty::Back},
                {m_editionField, ColourProperty::Back}};
    case TitleFore:
        return {{m_titleField, ColourProperty::Fore},
                {m_authorField, ColourProperty::Fore},
                {m_editionField, ColourProperty::Fore}};
    case CaptionFore: {
        QList<ColourTarget> targets;
        for (QLabel* label :
             {m_collectionCaption, m_authorCaption, m_editionSuffixCaption, m_editionPrefixCaption,
              m_prefaceCaption, m_verseCaption, m_postscriptCaption, m_passwordCaption})
            targets.append({label, ColourProperty::Fore});
        return targets;
    }
    default:
        return {m_shown.Targets[std::size_t(slot)]};
    }
}

void F_sakusei::WatchHelp() {
    // Controls without a help text get no mouse tracking: a move over them reaches no one,
    // and the help box keeps what it showed.
    auto watch = [this](QWidget* control) {
        const QString text = HelpText(control->objectName());
        QList<QWidget*> targets = {control};
        if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
            targets.append(area->viewport());
        for (QWidget* target : targets) {
            // A move over a control is its own; it never reaches the frame or window below.
            target->setMouseTracking(true);
            target->setAttribute(Qt::WA_NoMousePropagation);
            target->installEventFilter(this);
            m_help.insert(target, text);
        }
    };
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_addButton,      m_changeButton,      m_deleteButton,       m_moveUpButton,
             m_moveDownButton, m_saveColoursButton, m_pasteColoursButton, m_saveButton,
             m_leaveButton,    m_colourFrame,       m_entryList,          m_commentaryBox,
             m_titleField,     m_authorField,       m_editionField,       m_verseField,
             m_prefaceField,   m_postscriptField,   m_passwordField,      m_prefaceColumn,
             m_verseColumn,    m_postscriptColumn,  m_stripHelpArea,      m_helpBox})
        watch(control);
    setMouseTracking(true);
}

void F_sakusei::Form_Load() {
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" 作成・編集モード"_s);

    ui::SetBoxText(m_commentaryBox, QString());
    for (QLineEdit* field : {m_titleField, m_authorField, m_editionField, m_verseField,
                             m_prefaceField, m_postscriptField, m_passwordField})
        field->clear();

    if (m_state.Editing == EditMode::New)
        LoadNew();
    else
        LoadChange();
    m_titleField->setFocus();
}

void F_sakusei::LoadNew() {
    m_collection = Kushu();
    m_origins = Origins(m_collection.Entries.size(), NewEntry);
    m_loadedFile = {};
    m_entryList->addItems({KindName(EntryKind::Jo), KindName(EntryKind::Batsu),
                           KindName(EntryKind::Prof), KindName(EntryKind::Oku)});
    SelectRow(0);
    const ColourSet shown = ReadShownColours();
    for (KuEntry& entry : m_collection.Entries) {
        entry = KuEntry();
        entry.Colours = shown;
    }
}

void F_sakusei::LoadChange() {
    m_collection = Kushu();
    m_origins.clear();
    m_loadedFile = {};
    const QString path = CollectionFilePath(m_state.AppFolder, m_selectedCollection);
    Result<Kushu> read = ReadKushuFile(path);
    if (!read.ok()) {
        // Before line 5 failed the header was read: it stays in the window, with an empty
        // list.
        const Result<KushuHeader> header = read.kind() == ErrorKind::HeaderOnly
                                               ? ReadKushuHeader(path, 4)
                                               : Result<KushuHeader>::Failure(read);
        if (header.ok()) {
            SetFieldText(m_titleField, header.value().Title);
            SetFieldText(m_authorField, header.value().Author);
            SetFieldText(m_editionField, header.value().Edition);
            m_state.EditPassword = header.value().Password;
        } else {
            m_loaded = false;
        }
        m_dialogs.MsgBox(this, read.error(), ui::MsgStyle::Notice);
        return;
    }

    Kushu& k = m_collection;
    k = std::move(read).value();
    m_loadedFile = {path, k.Title, k.Edition, int(k.Entries.size())};
    m_origins = LoadedOrigins(int(k.Entries.size()));
    m_state.EditPassword = k.Password;
    SetFieldText(m_titleField, k.Title);
    SetFieldText(m_authorField, k.Author);
    SetFieldText(m_editionField, k.Edition);

    m_entryList->clear();
    m_entryList->addItem(KindName(EntryKind::Jo));
    ui::SetBoxText(m_commentaryBox, k.Entries.at(0).Commentary);
    ApplyShownColours(k.Entries.at(0).Colours);
    QStringList verses;
    verses.reserve(k.KuCount() + 3);
    for (int i = 1; i <= k.KuCount(); ++i)
        verses.append(k.Entries.at(i).Verse);
    verses << KindName(EntryKind::Batsu) << KindName(EntryKind::Prof) << KindName(EntryKind::Oku);
    m_entryList->addItems(verses);
    SelectRow(0);
    SetFieldText(m_passwordField, m_state.EditPassword);
}

int F_sakusei::ListIndex() const {
    return m_entryList->currentRow();
}

QString F_sakusei::ListText() const {
    const QListWidgetItem* item = m_entryList->currentItem();
    return item ? item->text() : QString();
}

void F_sakusei::SelectRow(int row) {
    m_entryList->setCurrentRow(row);
}

void F_sakusei::List1_Click() {
    const int row = ListIndex();
    if (row < 0)
        return;
    const QString rowText = ListText();
    const bool special = IsSpecialRowText(rowText);
    const Kushu& k = m_collection;
    // A collection without haiku shows nothing of its pages here: typing is kept.
    if (k.KuCount() >= 1 && row < k.Entries.size()) {
        const KuEntry& entry = k.Entries.at(row);
        ui::SetBoxText(m_commentaryBox, entry.Commentary);
        SetFieldText(m_prefaceField, entry.Preface);
        SetFieldText(m_verseField, entry.Verse);
        SetFieldText(m_postscriptField, entry.Postscript);
        ApplyShownColours(entry.Colours);
        if (special)
            SetFieldText(m_verseField, rowText);
    }
    for (QLabel* label : {m_prefaceCaption, m_verseCaption, m_postscriptCaption})
        label->setEnabled(!special);
}

void F_sakusei::Text5_Change() {
    m_verseColumn->SetText(m_verseField->text());
    ShowCount();
}

void F_sakusei::ShowCount() {
    const QString verse = m_verseField->text();
    // A page's name, which selecting the page puts in the verse field, is no verse to count.
    if (verse.isEmpty() || IsSpecialRowText(verse)) {
        m_countLabel->clear();
        return;
    }
    const Result<verse::Metre> metre = m_counter->Count(verse);
    m_countLabel->setText(metre.ok() ? verse::MetreLabel(metre.value()) : metre.error());
}

void F_sakusei::Text6_Change() {
    m_prefaceColumn->SetText(m_prefaceField->text());
}

void F_sakusei::Text7_Change() {
    m_postscriptColumn->SetText(m_postscriptField->text());
}

std::array<QLineEdit*, 4> F_sakusei::OneLineFields() const {
    return {m_verseField, m_prefaceField, m_postscriptField, m_passwordField};
}

bool F_sakusei::IsOneLineField(const QObject* watched) const {
    return std::ranges::count(OneLineFields(), watched) > 0;
}

bool F_sakusei::OneLineField_KeyPress(const QKeyEvent* event) {
    // Enter and a tab character never enter a one-line field. The Tab key itself still
    // moves the focus, as everywhere.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return true;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const QString text = event->text();
    return text.size() == 1 && IsLineBreakOrTab(text.at(0));
}

void F_sakusei::ShowHelp(const QString& text) {
    ui::SetBoxText(m_helpBox, text);
}

void F_sakusei::Form_MouseMove() {
    ShowHelp(DefaultHelpText());
}

void F_sakusei::mouseMoveEvent(QMouseEvent* event) {
    // Moves that a control passed on to the window are not over the bare window.
    if (childAt(event->position().toPoint()) == nullptr)
        Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

bool F_sakusei::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto help = m_help.constFind(watched);
        if (help != m_help.constEnd())
            ShowHelp(*help);
        break;
    }
    case QEvent::KeyPress:
        if (UndoKey(watched, static_cast<QKeyEvent*>(event)))
            return true;
        if (IsOneLineField(watched))
            return OneLineField_KeyPress(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == m_changeButton) {
            const auto* press = static_cast<QMouseEvent*>(event);
            const int told = m_told;
            Command18_MouseDown(press->button(), ModifierBits(press->modifiers()));
            // A message box took the release with it: the button must not go down now.
            if (m_told != told)
                return true;
        }
        break;
    case QEvent::InputMethod:
        if (IsOneLineField(watched)) {
            auto* input = static_cast<QInputMethodEvent*>(event);
            QString commit = input->commitString();
            if (commit.removeIf(IsLineBreakOrTab).size() != input->commitString().size())
                input->setCommitString(commit, input->replacementStart(),
                                       input->replacementLength());
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool F_sakusei::ConfirmLeaveWithoutSaving() {
    return m_dialogs.MsgBox(this, u"編集結果を保存せずに句集の編集を終了して良いですか?"_s,
                            ui::MsgStyle::YesNo, ui::ProgramTitle(),
                            ui::Dialogs::Answer::No) == ui::Dialogs::Answer::Yes;
}

void F_sakusei::reject() {
    Command17_Click();
}

} // namespace yomiwa::editor
