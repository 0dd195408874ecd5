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

struct Try {
    QString password, typed;
    Qt::Key key; // Qt::Key_unknown: the OK button
    bool opens;
};

// Only the exact password opens the editor, by the button or Enter; Escape opens nothing.
TEST(PasswordGate, OnlyTheExactPasswordOpensTheEditor) {
    const Try tries[] = {
        {u"Haiku"_s, u"haiku"_s, Qt::Key_unknown, false},
        {u"Haiku"_s, u"Haiku "_s, Qt::Key_Return, false},
        {u"Haiku"_s, {}, Qt::Key_unknown, false},
        {u"Haiku"_s, u"Haiku"_s, Qt::Key_unknown, true},
        {u"秘密"_s, u"秘密"_s, Qt::Key_Enter, true},
        {{}, {}, Qt::Key_Return, true},
        {u"pw"_s, u"pw"_s, Qt::Key_Escape, false},
    };
    for (const Try& t : tries) {
        SCOPED_TRACE(t.typed.toStdString());
        SharedState state;
        ScriptedDialogs dialogs;
        state.EditPassword = t.password;
        int opened = 0;
        protect::F_pass window(state, dialogs, [&] {
            EXPECT_FALSE(window.isVisible()); // closed before the editor opens
            ++opened;
        });
        window.show();
        auto* text9 = window.findChild<QLineEdit*>(u"Text9"_s);
        for (QChar c : t.typed)
            QTest::sendKeyEvent(QTest::Click, text9, Qt::Key_unknown, QString(c), {});
        if (t.key == Qt::Key_unknown)
            window.findChild<QPushButton*>(u"Command1"_s)->click();
        else
            QTest::keyClick(text9, t.key);
        EXPECT_EQ(opened, int(t.opens));
        const bool wrong = !t.opens && t.key != Qt::Key_Escape;
        EXPECT_EQ(window.isVisible(), wrong);
        EXPECT_EQ(text9->text(), t.typed); // what was typed stays for another try
        EXPECT_EQ(dialogs.Said(),
                  wrong
                      ? QStringList{ScriptedDialogs::Box(u"パスワードが間違っています。"_s, Notice)}
                      : QStringList());
    }
}

} // namespace
