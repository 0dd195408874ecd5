#include "F_sakusei.h"

#include "BoxText.h"
#include "ColourValues.h"
#include "Controls.h"
#include "Faces.h"
#include "FileNames.h"
#include "HelpTexts.h"
#include "KushuFile.h"
#include "Shapes.h"
#include "StripColumn.h"
#include "Twips.h"

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
using ui::Face;
using ui::MakeFont;
using ui::Tw;

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
    SetTabOrder();
    NameControls();
    WatchHelp();
    ConnectEditing();
    Form_Load();
}

F_sakusei::~F_sakusei() {
    // The working collection lives only as long as its window.
    m_state.EditorKushu = Kushu();
}

void F_sakusei::BuildControls() {
    ui::SetClientSizeTwips(this, 10605, 8070);

    // The preview strip. Label12 lies over the whole strip and the three columns over
    // Label12, so that each column explains itself and the rest of the strip the strip.
    Shape1 = new ui::RoundedShape(this, 0x00C0FFFF, ui::SystemColours::WindowText, 2);
    Shape1->setObjectName(u"Shape1"_s);
    ui::PlaceTwips(Shape1, 60, 60, 1455, 4395);
    Label12 = ui::AddLabel(this, "Label12", QString(), Tw(60, 60, 1455, 4395), font());
    Label12->setAttribute(Qt::WA_TranslucentBackground);
    Label8 = ui::AddControl<ui::StripColumn>(this, "Label8", 1200, 120, 135, 3375);
    Label8->setFont(MakeFont(Face::Gothic, 8.25));
    Label8->SetColumnGeometry(ui::TwipsRect(1200, 120, 135, 3375));
    Label9 = ui::AddControl<ui::StripColumn>(this, "Label9", 660, 120, 255, 4335);
    Label9->setFont(MakeFont(Face::Mincho, 11.25));
    Label9->SetColumnGeometry(ui::TwipsRect(660, 120, 255, 4335));
    Label10 = ui::AddControl<ui::StripColumn>(this, "Label10", 180, 1680, 135, 1875);
    Label10->setFont(MakeFont(Face::Gothic, 8.25));
    Label10->SetColumnGeometry(ui::TwipsRect(180, 1680, 135, 1875));

    const QFont caption = MakeFont(Face::Gothic, 12);
    const QFont mincho12 = MakeFont(Face::Mincho, 12);
    const QFont mincho12Bold = MakeFont(Face::Mincho, 12, true);
    const QFont pGothic = MakeFont(Face::PGothic, 11.25);
    const QFont gothic = MakeFont(Face::Gothic, 11.25);
    const QFont mincho = MakeFont(Face::Mincho, 11.25);

    Label1 = ui::AddLabel(this, "Label1", u"句集"_s, Tw(1620, 180, 480, 240), caption);
    Text2 = ui::AddLineEdit(this, "Text2", Tw(2160, 120, 4155, 375), mincho12Bold);
    Label2 = ui::AddLabel(this, "Label2", u"作者"_s, Tw(6480, 180, 480, 240), caption);
    Text3 = ui::AddLineEdit(this, "Text3", Tw(7020, 120, 1815, 375), mincho12);
    Label4 = ui::AddLabel(this, "Label4", u"第"_s, Tw(9180, 240, 240, 240), caption);
    Text4 = ui::AddLineEdit(this, "Text4", Tw(9480, 120, 675, 375), mincho12);
    Label3 = ui::AddLabel(this, "Label3", u"版"_s, Tw(10260, 240, 240, 240), caption);

    List1 = ui::AddList(this, "List1", Tw(1560, 660, 3015, 3660), mincho);

    Command1 = ui::AddButton(this, "Command1", u"上に移動"_s, Tw(4620, 780, 1155, 615), pGothic);
    Command2 = ui::AddButton(this, "Command2", u"下に移動"_s, Tw(4620, 1500, 1155, 615), pGothic);
    Command5 = ui::AddButton(this, "Command5", u"句の追加"_s, Tw(4620, 2220, 1155, 615), pGothic);
    Command18 = ui::AddButton(this, "Command18", u"句の変更"_s, Tw(4620, 2940, 1155, 615), pGothic);
    Command3 = ui::AddButton(this, "Command3", u"句の削除"_s, Tw(4620, 3660, 1155, 615), pGothic);

    Label5 = ui::AddLabel(this, "Label5", u"前書"_s, Tw(5820, 840, 450, 225), pGothic);
    Text6 = ui::AddLineEdit(this, "Text6", Tw(6240, 780, 4335, 315), gothic);
    Label6 = ui::AddLabel(this, "Label6", u"句"_s, Tw(5940, 1260, 225, 225), pGothic);
    Text5 = ui::AddLineEdit(this, "Text5", Tw(6240, 1200, 4335, 375), mincho12Bold);
    Label7 = ui::AddLabel(this, "Label7", u"後書"_s, Tw(5820, 1740, 450, 225), pGothic);
    Text7 = ui::AddLineEdit(this, "Text7", Tw(6240, 1680, 4335, 315), gothic);
    Label11 = ui::AddLabel(this, "Label11", u"改変防止用パスワード"_s, Tw(5880, 2220, 2145, 225),
                           pGothic);
    Text9 = ui::AddLineEdit(this, "Text9", Tw(8040, 2160, 2475, 315), mincho);
    ui::SetBackColour(Text9, 0x00C0C0FF);

    Text8 = ui::AddTextBox(this, "Text8", Tw(5820, 2580, 4695, 1755), gothic);
    Text8->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text8->setReadOnly(true);
    Text8->setFocusPolicy(Qt::NoFocus);
    ui::SetBackColour(Text8, 0x00FFFFC0);
    ui::SetForeColour(Text8, 0x00FF0000);
    ui::SetBoxText(Text8, InitialHelpText());

    Text1 = ui::AddTextBox(this, "Text1", Tw(60, 4500, 5115, 3435), mincho12);
    // Tab moves on to the next control; Enter starts a new line of the commentary.
    Text1->setTabChangesFocus(true);

    BuildColourFrame();

    Command17 =
        ui::AddButton(this, "Command17", u"保存せず終了"_s, Tw(5280, 7500, 2535, 495), pGothic);
    Command4 =
        ui::AddButton(this, "Command4", u"保存して終了"_s, Tw(7980, 7500, 2535, 495), pGothic);

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

void F_sakusei::BuildColourFrame() {
    Frame1 = new QGroupBox(u"色の設定"_s, this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setFont(MakeFont(Face::Gothic, 11.25));
    // A frame paints its own background, the button face, whatever colour the window has.
    ui::SetBackColour(Frame1, ui::SystemColours::ButtonFace);
    ui::PlaceTwips(Frame1, 5220, 4380, 5295, 3015);

    // A grid inside the frame: the strip's six colours three to a row, the commentary's
    // and the title's two to a row, the captions' alone, then saving and pasting.
    constexpr int Left = 120;
    constexpr int Gap = 60;
    constexpr int Inner = 5055;
    constexpr int Third = (Inner - 2 * Gap) / 3;
    constexpr int Half = (Inner - Gap) / 2;
    constexpr int RowHeight = 375;
    constexpr int RowStep = RowHeight + 45;
    constexpr int FirstRow = 330;
    const QFont face = MakeFont(Face::PGothic, 11.25);
    auto place = [&](int index, int row, int column, int span, int width) {
        const ColourButtonInfo& info = ColourButtons()[std::size_t(index)];
        const int step = width + Gap;
        m_colourButtons[std::size_t(index)] =
            ui::AddButton(Frame1, info.Name, info.Caption,
                          Tw(Left + column * step, FirstRow + row * RowStep,
                             span * width + (span - 1) * Gap, RowHeight),
                          face);
    };
    for (int i = 0; i < 6; ++i)
        place(i, i / 3, i % 3, 1, Third);
    for (int i = 6; i < 10; ++i)
        place(i, 2 + (i - 6) / 2, (i - 6) % 2, 1, Half);
    place(10, 4, 0, 2, Half);
    const int lastRow = FirstRow + 5 * RowStep + 60;
    Command19 = ui::AddButton(Frame1, "Command19", u"現在の色を　保存"_s,
                              Tw(Left, lastRow, Half, RowHeight), face);
    Command20 = ui::AddButton(Frame1, "Command20", u"保存した色の貼付け"_s,
                              Tw(Left + Half + Gap, lastRow, Half, RowHeight), face);
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

void F_sakusei::SetTabOrder() {
    const QList<QWidget*> order = {Text2, Text3,    Text4,    Text6,    Text5,    Text7,     Text1,
                                   List1, Command1, Command2, Command3, Command5, Command18, Text9};
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* w : order)
        chain(w);
    for (QPushButton* button : m_colourButtons)
        chain(button);
    for (QWidget* w : {static_cast<QWidget*>(Command19), static_cast<QWidget*>(Command20),
                       static_cast<QWidget*>(Command17), static_cast<QWidget*>(Command4)})
        chain(w);
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
    m_state.EditorKushu = Kushu();
    List1->addItems({KindName(EntryKind::Jo), KindName(EntryKind::Batsu), KindName(EntryKind::Prof),
                     KindName(EntryKind::Oku)});
    SelectRow(0);
    const ColourSet shown = ReadShownColours();
    for (KuEntry& entry : m_state.EditorKushu.Entries) {
        entry = KuEntry();
        entry.Colours = shown;
    }
}

void F_sakusei::LoadChange() {
    m_state.EditorKushu = Kushu();
    KushuReadResult read =
        ReadKushuFile(CollectionFilePath(m_state.AppFolder, m_selectedCollection));
    if (!read.ok()) {
        if (read.HeaderRead) {
            // The header was read before line 5 failed: it stays in the window, with an
            // empty list.
            SetFieldText(Text2, read.Collection.Title);
            SetFieldText(Text3, read.Collection.Author);
            SetFieldText(Text4, read.Collection.Edition);
            m_state.EditPassword = read.Collection.Password;
        } else {
            m_loaded = false;
        }
        m_dialogs.MsgBox(this, read.Error, ui::MsgStyle::Notice);
        return;
    }

    Kushu& k = m_state.EditorKushu;
    k = std::move(read.Collection);
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
    const Kushu& k = m_state.EditorKushu;
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
                            ui::MsgStyle::YesNo, ui::ProgramTitle()) == ui::Dialogs::Answer::Yes;
}

void F_sakusei::reject() {
    Command17_Click();
}

} // namespace yomiwa::editor
