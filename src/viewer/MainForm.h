// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "model/Result.h"
#include "model/SharedState.h"
#include "search/SearchIndex.h"
#include "ui/Dialogs.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace yomiwa::ui {
class PanelShape;
class RoundedShape;
class StripColumn;
} // namespace yomiwa::ui

namespace yomiwa::viewer {

class ReadingScreen;
class SearchWindow;

// The reading window (閲覧モード): the collections in the program's folder, the open
// collection page by page on the tanzaku strip, the author's commentary and the reader's
// comments. It is the program's first window and lives for the whole run.
class MainForm : public QWidget {
    Q_OBJECT
public:
    MainForm(SharedState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainForm() override;

    // The colours of the window before any page sets its own.
    static ColourSet DesignColours();

    // Whether another Yomiwa already runs on the data folder, as the single-instance lock
    // taken before the window was made found.
    enum class OtherInstance { None, Running };

    // Start-up on the data folder. False when another Yomiwa runs on it: the user has been
    // told, and the program ends without showing the window.
    bool Form_Load(const QString& dataFolder, OtherInstance other);
    // Adds the collection files of AppFolder to the collection list.
    void ListCollections();

    void List2_Click();
    void List2_DblClick();
    void Command1_Click();
    // Opens a collection file, in AppFolder or anywhere else, as "句集を開く" does: the
    // comments of the open collection are stored and written first; it shows the page of
    // `row`. False when it was not opened; the user has been told why.
    bool OpenCollectionFile(const QString& path, int row = 0);
    // 検索 (Ctrl+F): the search over every collection, in a window of its own.
    void Find_Click();
    SearchWindow* Search() const { return m_searchWindow; }
    // The open collection's comments as they stand, the one being typed included.
    search::OpenComments CommentsAsTyped() const;
    void List1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();

    // Keeps the comment box of the page on display in KansoList.
    void StoreShownComment();

    // The open collection (ViewerKushu) and its readers' comments, one per entry (KansoList).
    const Kushu& ViewerKushu() const { return m_collection; }
    const QStringList& KansoList() const { return m_comments; }

    bool IsCollectionOpen() const { return m_collectionOpen; }
    // The page-list row whose comment is in the comment box.
    int ShownPageIndex() const { return m_shownPage; }

    // Printing and export of the strip pages (Ctrl+P, Ctrl+E, the strip's context menu).
    void Print_Click();
    void Export_Click();
    void ExportPdf_Click();
    void ExportImage_Click();
    QMenu* StripMenu() const { return m_stripMenu; }

    // The tanzaku full screen (F11, a double-click on the strip), and back.
    void ReadingMode_Click();
    ReadingScreen* ShownReadingScreen() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The mouse on the strip: a click gives it the keys, the wheel turns pages.
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Builds the controls from the window's layout table, filling the members below;
    // returns those of the tab order.
    QList<QWidget*> BuildControls();
    // Names for screen readers and the keys that turn pages.
    void SetUpKeysAndNames(const QList<QWidget*>& tabOrder);
    void BuildExportCommands();
    bool OverStrip(const QPoint& pos) const;
    void ShowOnReadingScreen();
    void LeaveReadingScreen();
    QListWidgetItem* ChosenCollection() const;
    QString ChosenPath() const;

    // Shows the collection from the page of `row` (the nearest row when it has fewer).
    void ShowCollection(Kushu collection, int row = 0);
    void ShowNoCollection();
    void ReadComments();
    void ShowPage(int row);
    void ShowNoPage();
    void ApplyColours(const ColourSet& colours);

    // Writes the comments of the open collection.
    Status WriteComments();
    // Keeps the comment box in KansoList, then writes the comments of the open collection,
    // if one is open.
    Status StoreAndWriteComments();
    // Copies a comments file that did not fit its collection aside before it is replaced.
    Status KeepMismatchedComments(const QString& fileName);
    // The comments file of that name as it exists, whatever the letter case of its name.
    QString CommentsPath(const QString& fileName) const;
    // Stores and writes the comments before the program ends; false when the user chose
    // to stay because they could not be written.
    bool LeaveWithComments();
    // The editor may save over the open collection and carry its comments along with their
    // entries: they must be on disk before it opens. False when they could not be written;
    // the user has been told.
    bool WriteCommentsBeforeEditing();
    // After the editor has closed: the open collection as the editor saved it over, from
    // disk, at the page the reader was on.
    void FollowEditorSave();

    SharedState& m_state;
    ui::Dialogs& m_dialogs;

    bool m_collectionOpen = false;
    // A comments file that did not fit its collection waits to be kept before it is
    // replaced.
    bool m_keepMismatched = false;
    bool m_quitting = false;
    // Set while a newly opened collection selects its first page: the comment box still
    // holds the previous collection's comment, which has been dealt with already.
    bool m_opening = false;
    int m_shownPage = 0;
    int m_wheelDelta = 0; // the wheel's turn not yet a whole notch
    Kushu m_collection;
    QString m_openPath; // the file the open collection was read from
    QStringList m_comments = QStringList(4);
    // The rows of List1 as stored (PageRows): the list shows them as they are read, without
    // the reading marks, and every rule that reads a row reads these.
    QStringList m_pageRows;

    // The controls, as the layout table (MainFormLayout.cpp) names them.
    ui::RoundedShape* m_stripShape = nullptr; // the tanzaku strip
    ui::StripColumn* m_prefaceColumn = nullptr;
    ui::StripColumn* m_verseColumn = nullptr;
    ui::StripColumn* m_postscriptColumn = nullptr;
    QLabel* m_collectionCaption = nullptr; // "句集"
    QLabel* m_titleLabel = nullptr;        // the open collection's header
    QLabel* m_authorCaption = nullptr;     // "作者"
    QLabel* m_authorLabel = nullptr;
    QLabel* m_editionLabel = nullptr;
    QLabel* m_commentaryCaption = nullptr;
    QPlainTextEdit* m_commentaryBox = nullptr; // the author's, read only
    QLabel* m_commentsCaption = nullptr;
    QPlainTextEdit* m_commentBox = nullptr; // the reader's, on the page shown
    QLabel* m_collectionsCaption = nullptr;
    QListWidget* m_collectionList = nullptr;
    QLabel* m_chosenAuthorLabel = nullptr; // the header of the collection chosen in the list
    QLabel* m_chosenEditionLabel = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QLabel* m_pagesHeading = nullptr; // above the page list: the open collection
    QListWidget* m_pageList = nullptr;
    QPushButton* m_previousPageButton = nullptr;
    QPushButton* m_nextPageButton = nullptr;
    QPushButton* m_newCollectionButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    QMenu* m_stripMenu = nullptr;
    QPointer<ReadingScreen> m_readingScreen;
    SearchWindow* m_searchWindow = nullptr;
};

} // namespace yomiwa::viewer
