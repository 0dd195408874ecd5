// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorLaunch.h"
#include "tests/editor/EditorFixture.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

// The password window stands between the list and the editor; a collection broken beyond its
// header is never shown half read.
using EditorLaunch = EditorFixture;

TEST_F(EditorLaunch, AsksThePasswordAndOpensOnlyWhatReadsWhole) {
    Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    k.Password = u"秘密Pw"_s;
    Store(k);
    QByteArray bytes = SerializeKushu(MakeKushu(2, u"秋"_s, u"一"_s)).value();
    WriteBytes(folder.File(u"秋_一.Ywk"_s), bytes.insert(bytes.indexOf("JOSTART--\r\n") + 11, "x"));
    QString shown;
    dialogs.QueueModal([](QDialog* pass) {
        test::PasswordField(pass)->setText(u"秘密Pw"_s);
        OkButton(pass)->click();
    });
    dialogs.QueueModal([&](QDialog* editor) {
        shown = Control<QLineEdit>(editor, u"Text2"_s)->text();
        dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
        editor->close();
    });
    editor::LaunchChangeCollection(state, dialogs, nullptr, u"春_一"_s);
    EXPECT_EQ(shown, u"春"_s);
    dialogs.QueueModal([](QDialog* pass) { OkButton(pass)->click(); });
    editor::LaunchChangeCollection(state, dialogs, nullptr, u"秋_一"_s);
    EXPECT_EQ(dialogs.ModalWindows, (QStringList{u"F_pass"_s, u"F_sakusei"_s, u"F_pass"_s}));
    EXPECT_EQ(Said(-1),
              (Message{u"句集を開けません。\r６行目の色のデータが数値ではありません。"_s, Notice}));
}
