#include "MainForm.h"

#include "ColourValues.h"
#include "Controls.h"
#include "EditorLaunch.h"
#include "Faces.h"
#include "KushuFile.h"
#include "Shapes.h"
#include "StripColumn.h"
#include "StripGeometry.h"
#include "Twips.h"
#include "ViewerFiles.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;
using ui::Face;
using ui::Tw;

namespace {
// The default colours of the platform's controls.
using ui::SystemColours::ButtonFace;
using ui::SystemColours::ButtonText;
using ui::SystemColours::WindowBack;
using ui::SystemColours::WindowText;
constexpr ColourValue White = 0x00FFFFFF;
constexpr ColourValue Cream = 0x00C0FFFF;

// The real file behind a row of the collection list: on a file system that tells letter
// case apart, "x.YWK" cannot be found again from the row text "x" alone.
QString FileNameOf(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toString();
}
} // namespace

MainForm::MainForm(SharedState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_dialogs(dialogs) {
    setObjectName(u"MainForm"_s);
    ui::SetClientSizeTwips(this, 11760, 8115);
    BuildControls();
    BuildExportCommands();
    ApplyColours(DesignColours());
    m_text2->setReadOnly(true); // until a page is shown, a comment would belong to nothing
    SetUpKeysAndNames();

    // A row is chosen when it is selected: focus coming into the list makes its first row
    // current without selecting it, and that chooses nothing.
    connect(m_list2, &QListWidget::itemSelectionChanged, this, [this] {
        if (ChosenCollection())
            List2_Click();
    });
    connect(m_list2, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(m_command6, &QPushButton::clicked, this, [this] { Command6_Click(); });

    // After the editor has saved a collection, the list shows the folder as it is now.
    m_state.RefreshCollectionList = [this] {
        m_list2->clear();
        ListCollections();
    };
}

MainForm::~MainForm() {
    m_state.RefreshCollectionList = nullptr;
}

ColourSet MainForm::DesignColours() {
    ColourSet c;
    c[WholeBack] = 0x00000080;
    c[StripFill] = Cream;
    c[StripBorder] = 0x000080FF;
    c[PrefaceFore] = 0x00800000;
    c[PostscriptFore] = 0x00004080;
    c[VerseFore] = ButtonText;
    c[NoteBack] = Cream;
    c[NoteFore] = WindowText;
    c[TitleBack] = Cream;
    c[TitleFore] = ButtonText;
    c[CaptionFore] = White;
    return c;
}

void MainForm::BuildControls() {
    const QFont gothic12 = ui::MakeFont(Face::Gothic, 12);
    const QFont gothic11 = ui::MakeFont(Face::Gothic, 11.25);
    const QFont mincho12 = ui::MakeFont(Face::Mincho, 12);
    const QFont mincho11 = ui::MakeFont(Face::Mincho, 11.25);
    const QFont pgothic11 = ui::MakeFont(Face::PGothic, 11.25);

    // Made first, so that they lie under the lists and the strip's columns. Each shadow lies
    // under its panel.
    auto panel = [this](const char* name, ColourValue fill, QRect twips) {
        auto* shape = new ui::PanelShape(this, fill);
        shape->setObjectName(QString::fromLatin1(name));
        ui::PlaceTwips(shape, twips.x(), twips.y(), twips.width(), twips.height());
    };
    panel("Shape5", 0x00404040, Tw(8160, 720, 3555, 3495));
    panel("Shape4", 0x00E0E0E0, Tw(8100, 660, 3555, 3495));
    panel("Shape3", 0x00404040, Tw(8160, 4320, 3555, 2775));
    panel("Shape2", 0x00E0E0E0, Tw(8100, 4260, 3555, 2775));
    m_shape1 = new ui::RoundedShape(this, Cream, 0x000080FF, ui::strip::BorderPixels);
    m_shape1->setObjectName(u"Shape1"_s);
    m_shape1->setGeometry(ui::PixelsOf(ui::strip::ShapeTwips));

    auto column = [this](const char* name, const ui::StripColumnGeometry& geometry) {
        const QRect& twips = geometry.Twips;
        auto* strip = ui::AddControl<ui::StripColumn>(this, name, twips.x(), twips.y(),
                                                      twips.width(), twips.height());
        strip->setFont(geometry.MakeColumnFont());
        strip->SetColumnGeometry(
            ui::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        return strip;
    };
    m_label2 = column("Label2", ui::strip::Preface);
    m_label1 = column("Label1", ui::strip::Verse);
    m_label3 = column("Label3", ui::strip::Postscript);

    // Captions on the window's background; a page colours their text.
    m_label4 = ui::AddLabel(this, "Label4", u"句集"_s, Tw(3060, 180, 480, 240), gothic12);
    m_label5 = ui::AddLabel(this, "Label5", {}, Tw(3660, 180, 4155, 315),
                            ui::MakeFont(Face::Mincho, 14.25, true));
    m_label6 = ui::AddLabel(this, "Label6", u"作者"_s, Tw(8100, 180, 480, 240), gothic12);
    m_label7 = ui::AddLabel(this, "Label7", {}, Tw(8760, 180, 1635, 255), mincho12);
    m_label8 = ui::AddLabel(this, "Label8", {}, Tw(10800, 180, 720, 240), mincho12);
    m_label12 =
        ui::AddLabel(this, "Label12", u"作者の解説・注釈"_s, Tw(3000, 660, 1920, 240), gothic12);
    m_text1 = ui::AddTextBox(this, "Text1", Tw(2940, 960, 5115, 3435), mincho12);
    // The author's commentary is read, not written: nothing typed there could be kept.
    m_text1->setReadOnly(true);
    m_label13 = ui::AddLabel(this, "Label13", u"読者の感想・批評など(書き込みできます)"_s,
                             Tw(3000, 4560, 4560, 240), gothic12);
    m_text2 = ui::AddTextBox(this, "Text2", Tw(2940, 4860, 5115, 3195), mincho12);

    m_label11 = ui::AddLabel(this, "Label11", u"句集の一覧"_s, Tw(8160, 720, 1125, 225), pgothic11);
    m_list2 = ui::AddList(this, "List2", Tw(8160, 960, 3435, 2310), mincho11);
    m_label9 = ui::AddLabel(this, "Label9", {}, Tw(8160, 3360, 2355, 255), gothic11);
    m_label10 = ui::AddLabel(this, "Label10", {}, Tw(10560, 3360, 1035, 255), gothic11);
    m_command1 =
        ui::AddButton(this, "Command1", u"句集を開く"_s, Tw(8160, 3660, 1695, 435), pgothic11);
    m_command6 =
        ui::AddButton(this, "Command6", u"句集を編集する"_s, Tw(9960, 3660, 1695, 435), pgothic11);
    m_label14 = ui::AddLabel(this, "Label14", {}, Tw(8220, 4380, 1395, 225), pgothic11);
    m_list1 = ui::AddList(this, "List1", Tw(8160, 4620, 3435, 1860), mincho11);
    m_command3 =
        ui::AddButton(this, "Command3", u"前のページ"_s, Tw(8220, 6540, 1575, 435), pgothic11);
    m_command4 =
        ui::AddButton(this, "Command4", u"次のページ"_s, Tw(9960, 6540, 1575, 435), pgothic11);
    m_command5 = ui::AddButton(this, "Command5", u"新しい句集を作る"_s, Tw(8220, 7140, 3495, 435),
                               pgothic11);
    m_command2 =
        ui::AddButton(this, "Command2", u"Yomiwa終了"_s, Tw(10020, 7620, 1695, 435), pgothic11);

    // A page colours the window's background; the platform's controls keep their own
    // frames, scroll bars and faces instead of taking it up.
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_text1, m_text2, m_list1, m_list2, m_command1, m_command2,
                                         m_command3, m_command4, m_command5, m_command6}) {
        QPalette palette = QApplication::palette(control);
        palette.setResolveMask(~QPalette::ResolveMask(0));
        control->setPalette(palette);
    }
    ui::SetBackColour(m_text2, WindowBack);
    ui::SetForeColour(m_text2, WindowText);

    // Labels with a background of their own; the rest are transparent.
    for (QLabel* label : {m_label9, m_label10}) {
        ui::SetBackColour(label, White);
        ui::SetForeColour(label, ButtonText);
    }
    for (QLabel* label : {m_label11, m_label14}) {
        ui::SetBackColour(label, ButtonFace);
        ui::SetForeColour(label, ButtonText);
    }
}

bool MainForm::Form_Load(const QString& executableFolder) {
    const QString folder = AppFolderOf(executableFolder);
    m_lock = std::make_unique<ui::SingleInstanceLock>(folder);
    // A folder where no lock can be made cannot tell another instance either: the reader
    // may still read.
    if (!m_lock->TryLock() && m_lock->HeldByAnother()) {
        m_dialogs.MsgBox(this, u"【Yomiwa】はすでに起動されています。"_s, ui::MsgStyle::Notice);
        return false;
    }
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" 閲覧モード"_s);
    m_state.AppFolder = folder;
    ListCollections();
    for (ui::StripColumn* strip : {m_label1, m_label2, m_label3})
        strip->SetCaption({});
    for (QLabel* label : {m_label5, m_label7, m_label8, m_label9, m_label10, m_label14})
        label->clear();
    m_text1->clear();
    m_text2->clear();
    return true;
}

void MainForm::ListCollections() {
    for (const QString& name : CollectionFileNames(m_state.AppFolder)) {
        auto* item = new QListWidgetItem(name.chopped(4), m_list2);
        item->setData(Qt::UserRole, name);
    }
}

QListWidgetItem* MainForm::ChosenCollection() const {
    QListWidgetItem* item = m_list2->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

QString MainForm::ChosenText() const {
    const QListWidgetItem* item = ChosenCollection();
    return item ? item->text() : QString();
}

QString MainForm::ChosenPath() const {
    const QListWidgetItem* item = ChosenCollection();
    return item ? m_state.AppFolder + FileNameOf(item) : QString();
}

void MainForm::List2_Click() {
    const QListWidgetItem* item = ChosenCollection();
    if (!item)
        return;
    const KushuHeader header = ReadKushuHeader(m_state.AppFolder + FileNameOf(item), 3);
    if (!header.ok()) {
        m_dialogs.MsgBox(this, header.Error, ui::MsgStyle::Notice);
        return;
    }
    m_label9->setText(header.Author);
    m_label10->setText(u"第"_s + header.Edition + u"版"_s);
}

void MainForm::List2_DblClick() {
    Command1_Click();
}

void MainForm::Command5_Click() {
    editor::LaunchNewCollection(m_state, m_dialogs, this);
}

void MainForm::Command6_Click() {
    // The file of the chosen row: two files may differ only in the letter case of their names.
    const QListWidgetItem* item = ChosenCollection();
    editor::LaunchChangeCollection(m_state, m_dialogs, this, item ? FileNameOf(item) : QString());
}

} // namespace yomiwa::viewer
