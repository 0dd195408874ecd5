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

#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

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
    , CMD1(dialogs) {
    setObjectName(u"F_sakusei"_s);
    BuildControls();
    NameControls();
    WatchHelp();
    ConnectEditing();
    Form_Load();
}

void F_sakusei::BuildControls() {
    ui::SetClientSizeTwips(this, 10605, 8070);

    // Under the preview strip's label and columns, which the table makes next.
    Shape1 = new ui::RoundedShape(this, 0x00C0FFFF, ui::SystemColours::WindowText, 2);
    Shape1->setObjectName(u"Shape1"_s);
    ui::PlaceTwips(Shape1, 60, 60, 1455, 4395);
    ui::BuildControls(this, F_sakuseiLayout());
    auto label = [this](const char* name) {
        return ui::Built<QLabel>(this, name);
    };
    auto lineEdit = [this](const char* name) {
        return ui::Built<QLineEdit>(this, name);
    };
    auto button = [this](const char* name) {
        return ui::Built<QPushButton>(this, name);
    };
    Label12 = label("Label12");
    Label12->setAttribute(Qt::WA_TranslucentBackground);
    Label8 = ui::Built<ui::StripColumn>(this, "Label8");
    Label9 = ui::Built<ui::StripColumn>(this, "Label9");
    Label10 = ui::Built<ui::StripColumn>(this, "Label10");
    Label1 = label("Label1");
    Label2 = label("Label2");
    Label3 = label("Label3");
    Label4 = label("Label4");
    Label5 = label("Label5");
    Label6 = label("Label6");
    Label7 = label("Label7");
    Label11 = label("Label11");
    Text2 = lineEdit("Text2");
    Text3 = lineEdit("Text3");
    Text4 = lineEdit("Text4");
    Text5 = lineEdit("Text5");
    Text6 = lineEdit("Text6");
    Text7 = lineEdit("Text7");
    Text9 = lineEdit("Text9");
    Text1 = ui::Built<QPlainTextEdit>(this, "Text1");
    Text8 = ui::Built<QPlainTextEdit>(this, "Text8");
    List1 = ui::Built<QListWidget>(this, "List1");
    Command1 = button("Command1");
    Command2 = button("Command2");
    Command3 = button("Command3");
    Command4 = button("Command4");
    Command5 = button("Command5");
    Command17 = button("Command17");
    Command18 = button("Command18");
    Command19 = button("Command19");
    Command20 = button("Command20");
    Frame1 = ui::Built<QGroupBox>(this, "Frame1");
    for (int i = 0; i < ColourSlotCount; ++i)
        m_colourButtons[std::size_t(i)] = button(ColourButtons()[std::size_t(i)].Name);

    // The help box shows; it is never typed into.
    Text8->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text8->setReadOnly(true);
    Text8->setFocusPolicy(Qt::NoFocus);
    ui::SetBoxText(Text8, InitialHelpText());

    m_shown.Targets = {{
        {this, ColourProperty::Back},
        {Shape1, ColourProperty::Fill},
        {Shape1, ColourProperty::Border},
        {Label8, ColourProperty::Fore},
        {Label10, ColourProperty::Fore},
        {Label9, ColourProperty::Fore},
        {Text1, ColourProperty::Back},
        {Text1, ColourProperty::Fore},
        {Text2, ColourProperty::Back},
        {Text2, ColourProperty::Fore},
        {Label1, ColourProperty::Fore},
    }};
    // The design-time colours: the default colours on every control a colour button paints.
    for (int slot = 0; slot < ColourSlotCount; ++slot) {
        for (const ColourTarget& target : PaintedBy(slot))
            PaintColour(target, DefaultColours()[slot]);
    }

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        // Emptying the list reports row -1; only a selected row is a selection.
        if (row >= 0 && !m_quietList)
            List1_Click();
    });
    connect(Text5, &QLineEdit::textChanged, this, &F_sakusei::Text5_Change);
    connect(Text6, &QLineEdit::textChanged, this, &F_sakusei::Text6_Change);
    connect(Text7, &QLineEdit::textChanged, this, &F_sakusei::Text7_Change);
    for (QLineEdit* field : {Text5, Text6, Text7, Text9})
        field->installEventFilter(this);
}

QList<ColourTarget> F_sakusei::PaintedBy(int slot) const {
    switch (slot) {
    case TitleBack:
        return {{Text2, ColourProperty::Back},
                {Text3, ColourProperty::Back},
                {Text4, ColourProperty::Back}};
    case TitleFore:
        return {{Text2, ColourProperty::Fore},
                {Text3, ColourProperty::Fore},
                {Text4, ColourProperty::Fore}};
    case CaptionFore: {
        QList<ColourTarget> targets;
        for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label11})
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
             Command5,  Command18, Command3, Command1, Command2, Command19, Command20, Command4,
             Command17, Frame1,    List1,    Text1,    Text2,    Text3,     Text4,     Text5,
             Text6,     Text7,     Text9,    Label8,   Label9,   Label10,   Label12,   Text8})
        watch(control);
    setMouseTracking(true);
}

void F_sakusei::Form_Load() {
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" 作成・編集モード"_s);

    ui::SetBoxText(Text1, QString());
    for (QLineEdit* field : {Text2, Text3, Text4, Text5, Text6, Text7, Text9})
        field->clear();

    if (m_state.Editing == EditMode::New)
        LoadNew();
    else
        LoadChange();
    Text2->setFocus();
}

void F_sakusei::LoadNew() {
    m_kushu = Kushu();
    m_origins = Origins(m_kushu.Entries.size(), NewEntry);
    m_loadedFile = {};
    List1->addItems({KindName(EntryKind::Jo), KindName(EntryKind::Batsu), KindName(EntryKind::Prof),
                     KindName(EntryKind::Oku)});
    SelectRow(0);
    const ColourSet shown = ReadShownColours();
    for (KuEntry& entry : m_kushu.Entries) {
        entry = KuEntry();
        entry.Colours = shown;
    }
}

void F_sakusei::LoadChange() {
    m_kushu = Kushu();
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
            SetFieldText(Text2, header.value().Title);
            SetFieldText(Text3, header.value().Author);
            SetFieldText(Text4, header.value().Edition);
            m_state.EditPassword = header.value().Password;
        } else {
            m_loaded = false;
        }
        m_dialogs.MsgBox(this, read.error(), ui::MsgStyle::Notice);
        return;
    }

    Kushu& k = m_kushu;
    k = std::move(read).value();
    m_loadedFile = {path, k.Title, k.Edition, int(k.Entries.size())};
    m_origins = LoadedOrigins(int(k.Entries.size()));
    m_state.EditPassword = k.Password;
    SetFieldText(Text2, k.Title);
    SetFieldText(Text3, k.Author);
    SetFieldText(Text4, k.Edition);

    List1->clear();
    List1->addItem(KindName(EntryKind::Jo));
    ui::SetBoxText(Text1, k.Entries.at(0).Commentary);
    ApplyShownColours(k.Entries.at(0).Colours);
    QStringList verses;
    verses.reserve(k.KuCount() + 3);
    for (int i = 1; i <= k.KuCount(); ++i)
        verses.append(k.Entries.at(i).Verse);
    verses << KindName(EntryKind::Batsu) << KindName(EntryKind::Prof) << KindName(EntryKind::Oku);
    List1->addItems(verses);
    SelectRow(0);
    SetFieldText(Text9, m_state.EditPassword);
}

int F_sakusei::ListIndex() const {
    return List1->currentRow();
}

QString F_sakusei::ListText() const {
    const QListWidgetItem* item = List1->currentItem();
    return item ? item->text() : QString();
}

void F_sakusei::SelectRow(int row) {
    List1->setCurrentRow(row);
}

void F_sakusei::List1_Click() {
    const int row = ListIndex();
    if (row < 0)
        return;
    const QString rowText = ListText();
    const bool special = IsSpecialRowText(rowText);
    const Kushu& k = m_kushu;
    // A collection without haiku shows nothing of its pages here: typing is kept.
    if (k.KuCount() >= 1 && row < k.Entries.size()) {
        const KuEntry& entry = k.Entries.at(row);
        ui::SetBoxText(Text1, entry.Commentary);
        SetFieldText(Text6, entry.Preface);
        SetFieldText(Text5, entry.Verse);
        SetFieldText(Text7, entry.Postscript);
        ApplyShownColours(entry.Colours);
        if (special)
            SetFieldText(Text5, rowText);
    }
    for (QLabel* label : {Label5, Label6, Label7})
        label->setEnabled(!special);
}

void F_sakusei::Text5_Change() {
    Label9->SetText(Text5->text());
}

void F_sakusei::Text6_Change() {
    Label8->SetText(Text6->text());
}

void F_sakusei::Text7_Change() {
    Label10->SetText(Text7->text());
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
    ui::SetBoxText(Text8, text);
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
        if (watched == Text5 || watched == Text6 || watched == Text7 || watched == Text9)
            return OneLineField_KeyPress(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == Command18) {
            const auto* press = static_cast<QMouseEvent*>(event);
            const int told = m_told;
            Command18_MouseDown(press->button(), ModifierBits(press->modifiers()));
            // A message box took the release with it: the button must not go down now.
            if (m_told != told)
                return true;
        }
        break;
    case QEvent::InputMethod:
        if (watched == Text5 || watched == Text6 || watched == Text7 || watched == Text9) {
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
