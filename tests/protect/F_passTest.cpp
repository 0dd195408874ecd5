#include "F_pass.h"
#include "ColourValues.h"
#include "ScriptedDialogs.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;
using yomiwa::protect::F_pass;
using yomiwa::test::ScriptedDialogs;

namespace {

class PasswordGate : public ::testing::Test {
protected:
    void Open(const QString& password) {
        state.EditPassword = password;
        state.EditMode = u"変更"_s;
        window = std::make_unique<F_pass>(state, dialogs, [this] {
            // The password window has closed before the editor opens.
            editorOpenedWhileGateVisible = window->isVisible();
            ++editorOpened;
        });
        window->show();
    }
    template <typename T> T* Control(const char* name) {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Type(const QString& text) {
        QLineEdit* box = Control<QLineEdit>("Text9");
        box->clear();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<F_pass> window;
    int editorOpened = 0;
    bool editorOpenedWhileGateVisible = false;
};

} // namespace

TEST_F(PasswordGate, LaidOutAsDesigned) {
    Open(u"x"_s);
    EXPECT_EQ(window->windowTitle(), u"【Yomiwa】Ver.1.1 パスワード入力"_s);
    EXPECT_EQ(window->size(), QSize(ui::Px(5025), ui::Px(2505)));
    EXPECT_EQ(ui::BackColour(window.get()), 0x0080FFFF);
    EXPECT_EQ(
        Control<QLabel>("Label1")->text(),
        u"句集の作者以外の人の改変を防止するため、句集を編集するにはパスワードの入力が必要です。"_s);
    EXPECT_TRUE(Control<QLabel>("Label1")->wordWrap());
    // Placed as designed; taller only when the face needs more room for its three lines.
    const QRect label1 = Control<QLabel>("Label1")->geometry();
    const QRect designed = ui::TwipsRect(120, 180, 4815, 675);
    EXPECT_EQ(label1.topLeft(), designed.topLeft());
    EXPECT_EQ(label1.width(), designed.width());
    EXPECT_GE(label1.height(), designed.height());
    EXPECT_GE(label1.height(), Control<QLabel>("Label1")->heightForWidth(label1.width()));
    EXPECT_LT(label1.bottom(), Control<QLineEdit>("Text9")->y());
    EXPECT_EQ(Control<QLabel>("Label2")->text(), u"パスワード"_s);
    EXPECT_EQ(Control<QLabel>("Label2")->geometry(), ui::TwipsRect(360, 1200, 1200, 225));
    auto* text9 = Control<QLineEdit>("Text9");
    EXPECT_EQ(text9->geometry(), ui::TwipsRect(1740, 1140, 2475, 315));
    EXPECT_EQ(text9->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(ui::BackColour(text9), 0x00C0C0FF);
    auto* ok = Control<QPushButton>("Command1");
    auto* cancel = Control<QPushButton>("Command2");
    EXPECT_EQ(ok->text(), u"ＯＫ"_s);
    EXPECT_EQ(cancel->text(), u"キャンセル"_s);
    EXPECT_EQ(ok->geometry(), ui::TwipsRect(480, 1680, 1875, 615));
    EXPECT_EQ(cancel->geometry(), ui::TwipsRect(2640, 1680, 1875, 615));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(cancel->isDefault());
    // Focus starts in the password box; Tab goes on to ＯＫ, then キャンセル.
    EXPECT_EQ(window->focusWidget(), text9);
    EXPECT_EQ(text9->nextInFocusChain(), ok);
    EXPECT_EQ(ok->nextInFocusChain(), cancel);
}

TEST_F(PasswordGate, OnlyTheExactPasswordOpensTheEditor) {
    Open(u"Haiku"_s);
    auto* ok = Control<QPushButton>("Command1");
    for (const QString& wrong : {u"haiku"_s, u"Haiku "_s, u" Haiku"_s, QString(), u"Haik"_s}) {
        Type(wrong);
        ok->click();
        EXPECT_TRUE(window->isVisible()) << wrong.toStdString();
        // What was typed stays for another try.
        EXPECT_EQ(Control<QLineEdit>("Text9")->text(), wrong);
    }
    ASSERT_EQ(dialogs.Messages.size(), 5);
    for (const ScriptedDialogs::Message& m : dialogs.Messages) {
        EXPECT_EQ(m.Prompt, u"パスワードが間違っています。"_s);
        EXPECT_EQ(m.Style, 8);
        EXPECT_EQ(m.Title, QString());
    }
    EXPECT_EQ(editorOpened, 0);

    Type(u"Haiku"_s);
    ok->click();
    EXPECT_EQ(editorOpened, 1);
    EXPECT_FALSE(editorOpenedWhileGateVisible);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dialogs.Messages.size(), 5);
    EXPECT_EQ(state.EditMode, u"変更"_s);
}

TEST_F(PasswordGate, EnterConfirmsAndAnEmptyPasswordMatchesAnUnprotectedCollection) {
    Open(QString());
    QTest::keyClick(Control<QLineEdit>("Text9"), Qt::Key_Return);
    EXPECT_EQ(editorOpened, 1);
    EXPECT_TRUE(dialogs.Messages.isEmpty());

    Open(u"秘密"_s);
    Type(u"秘密"_s);
    QTest::keyClick(Control<QLineEdit>("Text9"), Qt::Key_Enter);
    EXPECT_EQ(editorOpened, 2);

    Open(u"秘密"_s);
    Type(u"秘"_s);
    QTest::keyClick(Control<QLineEdit>("Text9"), Qt::Key_Return);
    EXPECT_EQ(editorOpened, 2);
    EXPECT_EQ(dialogs.Prompts(), QStringList{u"パスワードが間違っています。"_s});
}

TEST_F(PasswordGate, EscapeCancelAndTheCloseBoxOpenNothing) {
    Open(u"pw"_s);
    Type(u"pw"_s);
    QTest::keyClick(Control<QLineEdit>("Text9"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);

    Open(u"pw"_s);
    Control<QPushButton>("Command2")->click();
    EXPECT_FALSE(window->isVisible());

    Open(u"pw"_s);
    Type(u"pw"_s);
    window->close();
    EXPECT_FALSE(window->isVisible());

    EXPECT_EQ(editorOpened, 0);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    // Cancelling changes nothing the launch had set.
    EXPECT_EQ(state.EditMode, u"変更"_s);
    EXPECT_EQ(state.EditPassword, u"pw"_s);
}
