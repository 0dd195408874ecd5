#include "F_pass.h"
#include "ScriptedDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class PasswordGate : public ::testing::Test {
protected:
    // Opens the window for `password`, types `typed`, then presses `button` or else `key`.
    void Try(const QString& password, const QString& typed, Qt::Key key, const char* button) {
        state.EditPassword = password;
        window = std::make_unique<protect::F_pass>(state, dialogs, [this] {
            EXPECT_FALSE(window->isVisible()); // closed before the editor opens
            ++editorOpened;
        });
        window->show();
        auto* text9 = window->findChild<QLineEdit*>(u"Text9"_s);
        for (QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, text9, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (button)
            window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        else if (key != Qt::Key_unknown)
            QTest::keyClick(text9, key);
        EXPECT_EQ(text9->text(), typed); // what was typed stays for another try
    }

    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<protect::F_pass> window;
    int editorOpened = 0;
};

TEST_F(PasswordGate, OnlyTheExactPasswordOpensTheEditorByButtonOrEnter) {
    for (const QString& wrong : {u"haiku"_s, u"Haiku "_s, QString()}) {
        Try(u"Haiku"_s, wrong, Qt::Key_unknown, "Command1");
        EXPECT_TRUE(window->isVisible()) << wrong.toStdString();
    }
    Try(u"Haiku"_s, u"haiku"_s, Qt::Key_Return, nullptr);
    EXPECT_EQ(editorOpened, 0);
    EXPECT_EQ(dialogs.Said(),
              QStringList(4, ScriptedDialogs::Box(u"パスワードが間違っています。"_s, Notice)));

    Try(u"Haiku"_s, u"Haiku"_s, Qt::Key_unknown, "Command1");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    Try(u"秘密"_s, u"秘密"_s, Qt::Key_Enter, nullptr);
    Try(QString(), QString(), Qt::Key_Return, nullptr); // no password matches none
    EXPECT_EQ(editorOpened, 3);
    EXPECT_EQ(dialogs.Messages.size(), 4);
}

TEST_F(PasswordGate, EscapeCancelAndTheCloseBoxOpenNothing) {
    state.Editing = EditMode::Change;
    for (int way = 0; way < 3; ++way) {
        Try(u"pw"_s, u"pw"_s, way == 0 ? Qt::Key_Escape : Qt::Key_unknown,
            way == 1 ? "Command2" : nullptr);
        if (way == 2)
            window->close();
        EXPECT_FALSE(window->isVisible()) << way;
        EXPECT_EQ(window->result(), QDialog::Rejected) << way;
    }
    EXPECT_EQ(editorOpened, 0);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(state.Editing, EditMode::Change); // cancelling changes nothing the launch set
    EXPECT_EQ(state.EditPassword, u"pw"_s);
}

} // namespace
