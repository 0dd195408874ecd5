// SPDX-License-Identifier: GPL-3.0-or-later
#include "protect/F_pass.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

// Only the exact password opens the editor, by the button (Key_unknown) or Enter; a wrong one
// says so and keeps what was typed; Escape opens nothing.
TEST(PasswordGate, OnlyTheExactPasswordOpensTheEditor) {
    // The password, what is typed, the key that ends it (none: the button) and the openings.
    const std::tuple<QString, QString, Qt::Key, int> tries[] = {
        {u"Haiku"_s, u"haiku"_s, Qt::Key_unknown, 0}, {u"Haiku"_s, u"Haiku "_s, Qt::Key_Return, 0},
        {u"Haiku"_s, {}, Qt::Key_unknown, 0},         {u"Haiku"_s, u"Haiku"_s, Qt::Key_unknown, 1},
        {u"秘密"_s, u"秘密"_s, Qt::Key_Enter, 1},     {{}, {}, Qt::Key_Return, 1},
        {u"pw"_s, u"pw"_s, Qt::Key_Escape, 0},
    };
    for (const auto& [password, typed, key, opens] : tries) {
        SharedState state;
        ScriptedDialogs dialogs;
        state.EditPassword = password;
        int opened = 0;
        protect::F_pass window(state, dialogs, [&] { opened += 1 + window.isVisible(); });
        window.show();
        QLineEdit* field = PasswordField(&window);
        for (QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
        if (key == Qt::Key_unknown)
            OkButton(&window)->click();
        else
            QTest::keyClick(field, key);
        EXPECT_EQ(opened, opens) << typed.toStdString(); // 2: opened before it closed
        const bool wrong = !opens && key != Qt::Key_Escape;
        EXPECT_EQ(window.isVisible(), wrong);
        EXPECT_EQ(field->text(), typed);
        EXPECT_EQ(dialogs.Messages,
                  QList<Message>(int(wrong), {u"パスワードが間違っています。"_s, Notice}));
    }
}

// Through a real modal box: a wrong password is told and the window stays open to try again.
TEST(PasswordGate, AWrongPasswordIsToldInARealBox) {
    SharedState state;
    state.EditPassword = u"pw"_s;
    ui::QtDialogs boxes;
    protect::F_pass window(state, boxes, [] {});
    window.show();
    QPushButton* ok = OkButton(&window);
    EXPECT_EQ(CloseRealBoxes([ok] { ok->click(); }),
              QStringList{u"パスワードが間違っています。"_s});
    EXPECT_TRUE(window.isVisible());
}
