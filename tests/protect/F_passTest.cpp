#include "F_pass.h"
#include "ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

class PasswordGate : public ::testing::Test {
protected:
    void Open(const QString& password, const QString& typed = {}) {
        state.EditPassword = password;
        state.Editing = EditMode::Change;
        window = std::make_unique<protect::F_pass>(state, dialogs, [this] {
            // The password window has closed before the editor opens.
            EXPECT_FALSE(window->isVisible());
            ++editorOpened;
        });
        window->show();
        for (QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, Text9(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    template <typename T = QWidget> T* Get(const char* name) {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Text9() { return Get<QLineEdit>("Text9"); }

    SharedState state;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<protect::F_pass> window;
    int editorOpened = 0;
};

} // namespace

TEST_F(PasswordGate, TheExplanationFitsAndTheFocusStartsInTheBox) {
    Open(u"x"_s);
    EXPECT_EQ(window->windowTitle(), u"【Yomiwa】Ver.1.1 パスワード入力"_s);
    // The explanation wraps onto as many lines as the face needs, above the box.
    auto* label1 = Get<QLabel>("Label1");
    EXPECT_GE(label1->height(), label1->heightForWidth(label1->width()));
    EXPECT_LT(label1->geometry().bottom(), Text9()->y());
    // Focus starts in the password box; Tab goes on to ＯＫ, then キャンセル; ＯＫ is the default.
    EXPECT_EQ(window->focusWidget(), Text9());
    EXPECT_EQ(Text9()->nextInFocusChain(), Get("Command1"));
    EXPECT_EQ(Get("Command1")->nextInFocusChain(), Get("Command2"));
    EXPECT_TRUE(Get<QPushButton>("Command1")->isDefault());
    EXPECT_FALSE(Get<QPushButton>("Command2")->isDefault());
}

TEST_F(PasswordGate, OnlyTheExactPasswordOpensTheEditorByButtonOrEnter) {
    for (const QString& wrong : {u"haiku"_s, u"Haiku "_s, QString()}) {
        Open(u"Haiku"_s, wrong);
        Get<QPushButton>("Command1")->click();
        // What was typed stays for another try.
        EXPECT_TRUE(window->isVisible()) << wrong.toStdString();
        EXPECT_EQ(Text9()->text(), wrong);
    }
    QTest::keyClick(Text9(), Qt::Key_Return);
    EXPECT_EQ(editorOpened, 0);
    EXPECT_EQ(dialogs.Said(),
              QStringList(4, test::ScriptedDialogs::Box(u"パスワードが間違っています。"_s,
                                                        ui::MsgStyle::Notice)));

    Open(u"Haiku"_s, u"Haiku"_s);
    Get<QPushButton>("Command1")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    Open(u"秘密"_s, u"秘密"_s);
    QTest::keyClick(Text9(), Qt::Key_Enter);
    // An empty password matches a collection that has none.
    Open(QString());
    QTest::keyClick(Text9(), Qt::Key_Return);
    EXPECT_EQ(editorOpened, 3);
    EXPECT_EQ(dialogs.Messages.size(), 4);
}

TEST_F(PasswordGate, EscapeCancelAndTheCloseBoxOpenNothing) {
    for (int way = 0; way < 3; ++way) {
        Open(u"pw"_s, u"pw"_s);
        if (way == 0)
            QTest::keyClick(Text9(), Qt::Key_Escape);
        else if (way == 1)
            Get<QPushButton>("Command2")->click();
        else
            window->close();
        EXPECT_FALSE(window->isVisible()) << way;
        EXPECT_EQ(window->result(), QDialog::Rejected) << way;
    }
    EXPECT_EQ(editorOpened, 0);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    // Cancelling changes nothing the launch had set.
    EXPECT_EQ(state.Editing, EditMode::Change);
    EXPECT_EQ(state.EditPassword, u"pw"_s);
}
