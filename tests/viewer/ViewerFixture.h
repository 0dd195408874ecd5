// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "model/SharedState.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"
#include "ui/BoxText.h"
#include "ui/StripColumn.h"
#include "viewer/MainForm.h"
#include "viewer/ReadingScreen.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace yomiwa::test {

// What the page area shows: the chosen row of the page list and the page whose comment the
// box holds, the strip's columns as drawn (ー as ｜: preface, verse, postscript), the
// commentary and the comment.
using PageView = std::tuple<int, int, QString, QString, QString, QString, QString>;

// The reading window on a private folder, driven through its named controls.
class ViewerTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(dialogs.Idle()) << "answers were queued but never asked for";
        form.reset();
    }

    // Builds the window and runs its start-up on the folder, given without its separator
    // as the executable's folder is.
    void Start(ui::Dialogs* boxes = nullptr) {
        form = std::make_unique<viewer::MainForm>(state, boxes ? *boxes : dialogs);
        ASSERT_TRUE(
            form->Form_Load(folder.Path().chopped(1), viewer::MainForm::OtherInstance::None));
        form->show();
    }
    void Write(const Kushu& kushu) {
        ASSERT_EQ(WriteKushuFile(folder.Path(), kushu).error(), QString());
    }
    QString Path(const QString& name) const { return folder.File(name); }

    template <typename T = QWidget> T* Find(const char* name) const {
        return Control<T>(form.get(), QLatin1String(name));
    }
    QListWidget* CollectionList() const { return Find<QListWidget>("List2"); }
    QListWidget* PageList() const { return Find<QListWidget>("List1"); }
    QPlainTextEdit* CommentaryBox() const { return Find<QPlainTextEdit>("Text1"); }
    QPlainTextEdit* CommentBox() const { return Find<QPlainTextEdit>("Text2"); }
    QLabel* TitleLabel() const { return Find<QLabel>("Label5"); }
    ui::StripColumn* PrefaceColumn() const { return Find<ui::StripColumn>("Label2"); }
    ui::StripColumn* VerseColumn() const { return Find<ui::StripColumn>("Label1"); }
    ui::StripColumn* PostscriptColumn() const { return Find<ui::StripColumn>("Label3"); }
    QLabel* ChosenEditionLabel() const { return Find<QLabel>("Label10"); }
    QPushButton* OpenButton() const { return Find<QPushButton>("Command1"); }
    QPushButton* QuitButton() const { return Find<QPushButton>("Command2"); }
    QPushButton* PreviousPageButton() const { return Find<QPushButton>("Command3"); }
    QPushButton* NextPageButton() const { return Find<QPushButton>("Command4"); }
    QPushButton* EditButton() const { return Find<QPushButton>("Command6"); }

    // Chooses a collection in the collection list as a click would.
    void Choose(const QString& itemText) {
        const QList<QListWidgetItem*> items =
            CollectionList()->findItems(itemText, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << itemText.toStdString();
        CollectionList()->setCurrentItem(items.front());
    }
    void Open(const QString& itemText) {
        Choose(itemText);
        OpenButton()->click();
    }
    // Types into the comment box as the reader would; "\r\n" is the Enter key.
    void Type(const QString& text) {
        CommentBox()->moveCursor(QTextCursor::End);
        for (const QChar c : text) {
            if (c == u'\r')
                QTest::keyClick(CommentBox(), Qt::Key_Return);
            else if (c != u'\n')
                QTest::sendKeyEvent(QTest::Click, CommentBox(), Qt::Key_unknown, QString(c), {});
        }
    }

    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        return items;
    }
    QStringList Rows() const { return Items(PageList()); }
    // The open collection's header: title, author, edition and the page list's heading.
    QStringList Header() const {
        return {TitleLabel()->text(), Find<QLabel>("Label7")->text(),
                Find<QLabel>("Label8")->text(), Find<QLabel>("Label14")->text()};
    }
    PageView Page() const {
        return {PageList()->currentRow(),      form->ShownPageIndex(),
                PrefaceColumn()->Caption(),    VerseColumn()->Caption(),
                PostscriptColumn()->Caption(), ui::BoxText(CommentaryBox()),
                ui::BoxText(CommentBox())};
    }
    // The blocks of a comments file; a file that cannot be read gives one block saying so.
    QStringList CommentsOnDisk(const QString& fileName) const {
        return ParseKansoBlocks(ReadBytes(Path(fileName)))
            .value_or(QStringList{QStringLiteral("(unreadable)")});
    }
    // The prompt of the one message shown since the last call, whose style and title are
    // checked; the messages are forgotten.
    QString OneMessage(MsgStyle style, const QString& title = {}) {
        const QList<Message> messages = std::exchange(dialogs.Messages, {});
        EXPECT_EQ(messages.size(), 1);
        EXPECT_EQ(messages.value(0).Style, style);
        EXPECT_EQ(messages.value(0).Title, title);
        return messages.value(0).Prompt;
    }

    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<viewer::MainForm> form;
};

} // namespace yomiwa::test
