// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/MainForm.h"

#include "model/FileIo.h"
#include "model/FileNames.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "model/PageList.h"
#include "viewer/SearchWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <algorithm>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

void MainForm::Command1_Click() {
    if (!ChosenCollection()) {
        m_dialogs.MsgBox(this, u"上のリストから、開きたい句集を選択してください。"_s);
        return;
    }
    OpenCollectionFile(ChosenPath());
}

bool MainForm::OpenCollectionFile(const QString& path, int row) {
    if (const Status written = StoreAndWriteComments(); !written.ok()) {
        // Opening would empty the comments held in memory: they are the only copy.
        const QString shownName = QFileInfo(path).fileName().chopped(4);
        m_dialogs.MsgBox(this, written.error() + u"\r\r感想が失われないよう、句集「"_s + shownName +
                                   u"」を開くのを取りやめました。"_s);
        return false;
    }
    // Read in full before anything is replaced: a file that cannot be read leaves the open
    // collection, its page and its comments as they were.
    Result<Kushu> read = ReadKushuFile(path);
    if (!read.ok()) {
        m_dialogs.MsgBox(this, read.error(), ui::MsgStyle::Notice);
        return false;
    }
    m_openPath = path;
    ShowCollection(std::move(read).value(), row);
    return true;
}

void MainForm::Find_Click() {
    if (!m_searchWindow) {
        m_searchWindow = new SearchWindow({m_state.AppFolder, [this] { return CommentsAsTyped(); },
                                           [this](const QString& path, int row) {
                                               return OpenCollectionFile(path, row);
                                           }},
                                          this);
    }
    m_searchWindow->Start();
}

void MainForm::ShowCollection(Kushu collection, int row) {
    // A collection handed over from another start replaces the one read full screen.
    LeaveReadingScreen();
    m_collection = std::move(collection);
    const Kushu& k = m_collection;
    m_state.EditPassword = k.Password;
    m_titleLabel->setText(k.Title);
    m_authorLabel->setText(k.Author);
    m_editionLabel->setText(u"第"_s + k.Edition + u"版"_s);
    m_pagesHeading->setText(m_titleLabel->text() + u"　"_s + m_editionLabel->text());
    m_collectionOpen = true;

    // One batch: a list of thirty thousand verses fills without a repaint per row.
    m_pageList->setUpdatesEnabled(false);
    m_pageList->clear();
    m_pageRows = PageRows(k);
    m_pageList->addItems(ShownRows(m_pageRows));
    m_pageList->setUpdatesEnabled(true);

    ReadComments();

    row = std::clamp(row, 0, std::max(0, m_pageList->count() - 1));
    m_opening = true;
    if (m_pageList->count() > 0)
        m_pageList->setCurrentRow(row);
    else
        ShowNoPage();
    m_opening = false;
    m_shownPage = row;
    m_commentBox->setFocus();
}

void MainForm::ShowNoCollection() {
    LeaveReadingScreen();
    m_collectionOpen = false;
    m_keepMismatched = false;
    m_collection = Kushu();
    m_openPath.clear();
    m_comments = QStringList(4);
    for (QLabel* label : {m_titleLabel, m_authorLabel, m_editionLabel, m_pagesHeading})
        label->clear();
    m_pageList->clear();
    m_pageRows.clear();
    ShowNoPage();
}

void MainForm::ReadComments() {
    const int kuCount = m_collection.KuCount();
    const QString fileName = KansoFileName(m_titleLabel->text(), m_editionLabel->text());
    Result<QStringList> read = ReadKansoFile(m_state.AppFolder, fileName, kuCount);
    m_keepMismatched = false;
    if (read.ok()) {
        m_comments = std::move(read).value();
        return;
    }
    m_comments = QStringList(kuCount + 4);
    // A file that could not be read at all is not copied either: it may be a FIFO.
    m_keepMismatched =
        read.kind() == ErrorKind::DoesNotFit && QFileInfo(CommentsPath(fileName)).isFile();
    m_dialogs.MsgBox(this, read.error(), ui::MsgStyle::Notice);
}

Status MainForm::WriteComments() {
    const QString fileName = KansoFileName(m_titleLabel->text(), m_editionLabel->text());
    if (m_keepMismatched) {
        if (Status kept = KeepMismatchedComments(fileName); !kept.ok())
            return kept;
    }
    return WriteKansoFile(m_state.AppFolder, fileName, m_comments,
                          [this](int index) { return EntryLabel(m_collection, index); });
}

QString MainForm::CommentsPath(const QString& fileName) const {
    return QDir(m_state.AppFolder).filePath(ExistingFileName(m_state.AppFolder, fileName));
}

Status MainForm::KeepMismatchedComments(const QString& fileName) {
    const QString path = CommentsPath(fileName);
    if (!QFileInfo(path).isFile()) {
        m_keepMismatched = false; // gone meanwhile: nothing left to keep
        return {};
    }
    const std::optional<QString> keptPath = KeepCopy(path);
    if (!keptPath) {
        return Status::Failure(
            ErrorKind::CannotWrite,
            u"感想を保存できません。\r句集ファイルと整合しなかった感想ファイル「"_s + fileName +
                u"」を別の名前で残せませんでした。\r"_s +
                u"このまま保存すると、そのファイルの感想が失われます。"_s);
    }
    m_keepMismatched = false;
    m_dialogs.MsgBox(this, u"感想ファイル「"_s + fileName +
                               u"」は句集ファイルと整合しなかったため、元のファイルを「"_s +
                               DisplayName(*keptPath) + u"」という名前で残しました。\r"_s +
                               u"これからの感想は「"_s + fileName + u"」に保存します。"_s);
    return {};
}

Status MainForm::StoreAndWriteComments() {
    if (!m_collectionOpen)
        return {};
    StoreShownComment();
    return WriteComments();
}

bool MainForm::LeaveWithComments() {
    const Status written = StoreAndWriteComments();
    if (written.ok())
        return true;
    return m_dialogs.MsgBox(this, written.error() + u"\r\r感想を保存せずに終了しますか？"_s,
                            ui::MsgStyle::YesNo, ui::ProgramTitle(),
                            ui::Dialogs::Answer::No) == ui::Dialogs::Answer::Yes;
}

bool MainForm::WriteCommentsBeforeEditing() {
    m_state.LastEditorSave.reset();
    const Status written = StoreAndWriteComments();
    if (written.ok())
        return true;
    m_dialogs.MsgBox(this, written.error() +
                               u"\r\r感想が失われないよう、編集画面を開くのを取りやめました。"_s);
    return false;
}

void MainForm::FollowEditorSave() {
    const std::optional<SharedState::EditorSave> saved =
        std::exchange(m_state.LastEditorSave, std::nullopt);
    if (!saved || !m_collectionOpen || !IsSameFile(saved->SavedPath, m_openPath))
        return;
    // The page on display, followed to where its entry went; a deleted one leaves the
    // reader at the page now in its place.
    const int shownRow = m_shownPage;
    int row = shownRow;
    Result<Kushu> read = ReadKushuFile(m_openPath);
    if (!read.ok()) {
        // Its comments are on disk already: nothing is lost by showing no collection.
        m_dialogs.MsgBox(this, read.error(), ui::MsgStyle::Notice);
        ShowNoCollection();
        return;
    }
    if (IsSameFile(saved->LoadedPath, m_openPath) && shownRow < m_pageList->count()) {
        const int entry = PageOfRow(m_pageRows, shownRow, m_collection.KuCount()).Entry;
        const int now = RowOfEntry(read.value(), int(saved->Origins.indexOf(entry)));
        if (now >= 0)
            row = now;
    }
    // The comments in memory were written before the editor opened and carried by its save.
    ShowCollection(std::move(read).value(), row);
}

void MainForm::Command2_Click() {
    if (!LeaveWithComments())
        return;
    m_quitting = true;
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    // The close box ends the program like "Yomiwa終了": no comment is lost by closing.
    if (!m_quitting && !LeaveWithComments()) {
        event->ignore();
        return;
    }
    m_quitting = true;
    event->accept();
}

} // namespace yomiwa::viewer
