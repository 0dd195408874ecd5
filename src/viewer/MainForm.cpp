#include "viewer/MainForm.h"

#include "editor/EditorLaunch.h"
#include "model/CollectionFiles.h"
#include "model/KushuFile.h"
#include "strip/Faces.h"
#include "strip/StripGeometry.h"
#include "ui/ColourValues.h"
#include "ui/Controls.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"
#include "viewer/ViewerFiles.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

namespace {
// The default colours of the platform's controls.
using ui::SystemColours::ButtonText;
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
    const QList<QWidget*> tabOrder = BuildControls();
    BuildExportCommands();
    ApplyColours(DesignColours());
    m_text2->setReadOnly(true); // until a page is shown, a comment would belong to nothing
    SetUpKeysAndNames(tabOrder);

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

QList<QWidget*> MainForm::BuildControls() {
    // Under the lists and the strip's columns, which the table makes next.
    m_shape1 = new ui::RoundedShape(this, Cream, 0x000080FF, strip::BorderPixels);
    m_shape1->setObjectName(u"Shape1"_s);
    m_shape1->setGeometry(strip::PixelsOf(strip::ShapeTwips));

    // A page colours the window's background; the platform's controls keep their own
    // frames, scroll bars and faces instead of taking it up.
    const QList<QWidget*> tabOrder = ui::BuildControls(
        this, MainFormLayout(), [](QWidget* control, const ui::ControlRow& entry) {
            using enum ui::ControlKind;
            if (entry.Kind == TextBox || entry.Kind == List || entry.Kind == Button) {
                QPalette palette = QApplication::palette(control);
                palette.setResolveMask(~QPalette::ResolveMask(0));
                control->setPalette(palette);
            }
        });
    m_label1 = ui::Built<ui::StripColumn>(this, "Label1");
    m_label2 = ui::Built<ui::StripColumn>(this, "Label2");
    m_label3 = ui::Built<ui::StripColumn>(this, "Label3");
    m_label4 = ui::Built<QLabel>(this, "Label4");
    m_label5 = ui::Built<QLabel>(this, "Label5");
    m_label6 = ui::Built<QLabel>(this, "Label6");
    m_label7 = ui::Built<QLabel>(this, "Label7");
    m_label8 = ui::Built<QLabel>(this, "Label8");
    m_label9 = ui::Built<QLabel>(this, "Label9");
    m_label10 = ui::Built<QLabel>(this, "Label10");
    m_label11 = ui::Built<QLabel>(this, "Label11");
    m_label12 = ui::Built<QLabel>(this, "Label12");
    m_label13 = ui::Built<QLabel>(this, "Label13");
    m_label14 = ui::Built<QLabel>(this, "Label14");
    m_text1 = ui::Built<QPlainTextEdit>(this, "Text1");
    m_text2 = ui::Built<QPlainTextEdit>(this, "Text2");
    m_list1 = ui::Built<QListWidget>(this, "List1");
    m_list2 = ui::Built<QListWidget>(this, "List2");
    m_command1 = ui::Built<QPushButton>(this, "Command1");
    m_command2 = ui::Built<QPushButton>(this, "Command2");
    m_command3 = ui::Built<QPushButton>(this, "Command3");
    m_command4 = ui::Built<QPushButton>(this, "Command4");
    m_command5 = ui::Built<QPushButton>(this, "Command5");
    m_command6 = ui::Built<QPushButton>(this, "Command6");
    // The author's commentary is read, not written: nothing typed there could be kept.
    m_text1->setReadOnly(true);
    return tabOrder;
}

bool MainForm::Form_Load(const QString& dataFolder, OtherInstance other) {
    if (other == OtherInstance::Running) {
        m_dialogs.MsgBox(this, u"【Yomiwa】はすでに起動されています。"_s, ui::MsgStyle::Notice);
        return false;
    }
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" 閲覧モード"_s);
    m_state.AppFolder = AppFolderOf(dataFolder);
    ListCollections();
    for (ui::StripColumn* strip : {m_label1, m_label2, m_label3})
        strip->SetText({});
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

QString MainForm::ChosenPath() const {
    const QListWidgetItem* item = ChosenCollection();
    return item ? QDir(m_state.AppFolder).filePath(FileNameOf(item)) : QString();
}

void MainForm::List2_Click() {
    const QListWidgetItem* item = ChosenCollection();
    if (!item)
        return;
    const Result<KushuHeader> header =
        ReadKushuHeader(QDir(m_state.AppFolder).filePath(FileNameOf(item)), 3);
    if (!header.ok()) {
        m_dialogs.MsgBox(this, header.error(), ui::MsgStyle::Notice);
        return;
    }
    m_label9->setText(header.value().Author);
    m_label10->setText(u"第"_s + header.value().Edition + u"版"_s);
}

void MainForm::List2_DblClick() {
    Command1_Click();
}

void MainForm::Command5_Click() {
    if (!WriteCommentsBeforeEditing())
        return;
    editor::LaunchNewCollection(m_state, m_dialogs, this);
    FollowEditorSave();
}

void MainForm::Command6_Click() {
    // The file of the chosen row: two files may differ only in the letter case of their names.
    const QListWidgetItem* item = ChosenCollection();
    if (item && !WriteCommentsBeforeEditing())
        return;
    editor::LaunchChangeCollection(m_state, m_dialogs, this, item ? FileNameOf(item) : QString());
    FollowEditorSave();
}

} // namespace yomiwa::viewer
