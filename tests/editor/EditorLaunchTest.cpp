#include "editor/EditorLaunch.h"
#include "tests/editor/EditorFixture.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

// The password window stands between the list and the editor; a collection broken beyond its
// header is never shown half read.
TEST_F(EditorFixture, LaunchAsksThePasswordAndOpensOnlyWhatReadsWhole) {
    Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    k.Password = u"秘密Pw"_s;
    Store(k);
    QByteArray bytes = SerializeKushu(MakeKushu(2, u"秋"_s, u"一"_s)).value();
    WriteBytes(folder.File(u"秋_一.Ywk"_s), bytes.insert(bytes.indexOf("JOSTART--\r\n") + 11, "x"));
    QString shown;
    for (const QString& password : {u"秘密pw"_s, u"秘密Pw"_s})
        dialogs.QueueModal([password](QDialog* pass) {
            pass->findChild<QLineEdit*>(u"Text9"_s)->setText(password);
            pass->findChild<QPushButton*>(u"Command1"_s)->click();
            EXPECT_EQ(pass->isVisible(), password == u"秘密pw"_s);
            pass->reject();
        });
    editor::LaunchChangeCollection(state, dialogs, nullptr, u"春_一"_s);
    dialogs.QueueModal([&](QDialog* editor) {
        shown = editor->findChild<QLineEdit*>(u"Text2"_s)->text();
        dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
        editor->close();
    });
    editor::LaunchChangeCollection(state, dialogs, nullptr, u"春_一"_s);
    EXPECT_EQ(shown, u"春"_s);
    dialogs.QueueModal(
        [](QDialog* pass) { pass->findChild<QPushButton*>(u"Command1"_s)->click(); });
    editor::LaunchChangeCollection(state, dialogs, nullptr, u"秋_一"_s);
    EXPECT_EQ(dialogs.ModalWindows,
              (QStringList{u"F_pass"_s, u"F_pass"_s, u"F_sakusei"_s, u"F_pass"_s}));
    EXPECT_EQ(Said(0), Box(u"パスワードが間違っています。"_s, Notice));
    EXPECT_EQ(Said(-1),
              Box(u"句集を開けません。\r６行目の色のデータが数値ではありません。"_s, Notice));
}
