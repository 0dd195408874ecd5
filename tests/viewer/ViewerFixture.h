#pragma once

#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "model/SharedState.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"
#include "ui/BoxText.h"
#include "ui/StripColumn.h"
#include "viewer/MainForm.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace yomiwa::test {

// The reading window on a private folder, driven through its named controls.
class ViewerTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(dialogs.Idle()) << "answers were queued but never asked for";
        form.reset();
    }

    // Builds the window and runs its start-up on the folder, given without its separator
    // as the executable's folder is.
    void Start() {
        form = std::make_unique<viewer::MainForm>(state, dialogs);
        ASSERT_TRUE(
            form->Form_Load(folder.Path().chopped(1), viewer::MainForm::OtherInstance::None));
        form->show();
    }
    void Write(const Kushu& kushu) {
        ASSERT_EQ(WriteKushuFile(folder.Path(), kushu).error(), QString());
    }
    QString Path(const QString& name) const { return folder.File(name); }

    template <typename T = QWidget> T* Find(const QString& name) const {
        T* control = form->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QListWidget* List1() const { return Find<QListWidget>(QStringLiteral("List1")); }
    QListWidget* List2() const { return Find<QListWidget>(QStringLiteral("List2")); }
    QPlainTextEdit* Text1() const { return Find<QPlainTextEdit>(QStringLiteral("Text1")); }
    QPlainTextEdit* Text2() const { return Find<QPlainTextEdit>(QStringLiteral("Text2")); }
    QLabel* Label(int n) const { return Find<QLabel>(QStringLiteral("Label%1").arg(n)); }
    ui::StripColumn* Column(int n) const {
        return Find<ui::StripColumn>(QStringLiteral("Label%1").arg(n));
    }
    QPushButton* Button(int n) const {
        return Find<QPushButton>(QStringLiteral("Command%1").arg(n));
    }

    // Chooses a collection in the collection list as a click would.
    void Choose(const QString& itemText) {
        const QList<QListWidgetItem*> items = List2()->findItems(itemText, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << itemText.toStdString();
        List2()->setCurrentItem(items.front());
    }
    void Open(const QString& itemText) {
        Choose(itemText);
        Button(1)->click();
    }
    // Types into the comment box as the reader would; "\r\n" is the Enter key.
    void Type(const QString& text) {
        Text2()->moveCursor(QTextCursor::End);
        for (const QChar c : text) {
            if (c == u'\r')
                QTest::keyClick(Text2(), Qt::Key_Return);
            else if (c != u'\n')
                QTest::sendKeyEvent(QTest::Click, Text2(), Qt::Key_unknown, QString(c), {});
        }
    }

    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        return items;
    }
    QStringList Rows() const { return Items(List1()); }
    // What the window shows, as one text: the header labels 5, 7, 8 and 14, the chosen row
    // and the page whose comment the box holds, the strip's columns 前書/句/後書, the
    // commentary and the comment.
    QString Shown() const {
        QStringList shown;
        for (int n : {5, 7, 8, 14})
            shown.append(Label(n)->text());
        shown << QString::number(List1()->currentRow()) + u':' +
                     QString::number(form->ShownPageIndex());
        shown << Column(2)->Caption() + u'/' + Column(1)->Caption() + u'/' + Column(3)->Caption();
        shown << ui::BoxText(Text1()) << ui::BoxText(Text2());
        return shown.join(u'|');
    }
    // The blocks of a comments file; a file that cannot be read gives one block saying so.
    QStringList CommentsOnDisk(const QString& fileName) const {
        return ParseKansoBlocks(ReadBytes(Path(fileName)))
            .value_or(QStringList{QStringLiteral("(unreadable)")});
    }
    // The prompt of the one message shown since the last call, whose style and title are
    // checked; the messages are forgotten.
    QString OneMessage(MsgStyle style, const QString& title = {}) {
        const QList<ScriptedDialogs::Message> messages = std::exchange(dialogs.Messages, {});
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
