// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/MainForm.h"

#include "editor/EditorLaunch.h"
#include "model/CollectionFiles.h"
#include "model/KushuFile.h"
#include "ui/ColourValues.h"
#include "ui/StripColumn.h"
#include "ui/Twips.h"
#include "viewer/ViewerFiles.h"

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
    m_commentBox->setReadOnly(true); // until a page is shown, a comment would belong to nothing
    SetUpKeysAndNames(tabOrder);

    // A row is chosen when it is selected: focus coming into the list makes its first row
    // current without selecting it, and that chooses nothing.
    connect(m_collectionList, &QListWidget::itemSelectionChanged, this, [this] {
        if (ChosenCollection())
            List2_Click();
    });
    connect(m_collectionList, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    connect(m_pageList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(m_openButton, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_quitButton, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_previousPageButton, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_nextPageButton, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_newCollectionButton, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(m_editButton, &QPushButton::clicked, this, [this] { Command6_Click(); });

    // After the editor has saved a collection, the list shows the folder as it is now.
    m_state.RefreshCollectionList = [this] {
        m_collectionList->clear();
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

bool MainForm::Form_Load(const QString& dataFolder, OtherInstance other) {
    if (other == OtherInstance::Running) {
        m_dialogs.MsgBox(this, u"【Yomiwa】はすでに起動されています。"_s, ui::MsgStyle::Notice);
        return false;
    }
    ui::CentreOnScreen(this);
    setWindowTitle(ui::ProgramTitle() + u" 閲覧モード"_s);
    m_state.AppFolder = AppFolderOf(dataFolder);
    ListCollections();
    for (ui::StripColumn* strip : {m_verseColumn, m_prefaceColumn, m_postscriptColumn})
        strip->SetText({});
    for (QLabel* label : {m_titleLabel, m_authorLabel, m_editionLabel, m_chosenAuthorLabel,
                          m_chosenEditionLabel, m_pagesHeading})
        label->clear();
    m_commentaryBox->clear();
    m_commentBox->clear();
    return true;
}

void MainForm::ListCollections() {
    for (const QString& name : CollectionFileNames(m_state.AppFolder)) {
        auto* item = new QListWidgetItem(name.chopped(4), m_collectionList);
        item->setData(Qt::UserRole, name);
    }
}

QListWidgetItem* MainForm::ChosenCollection() const {
    QListWidgetItem* item = m_collectionList->currentItem();
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
    m_chosenAuthorLabel->setText(header.value().Author);
    m_chosenEditionLabel->setText(u"第"_s + header.value().Edition + u"版"_s);
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
