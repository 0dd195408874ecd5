#include "EditorLaunch.h"
#include "CodeList.h"
#include "EditorFixture.h"

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString CannotOpen = u"句集を開けません。\r"_s;

class EditorLaunch : public EditorFixture {
protected:
    // Drives the password window: types each text in turn and confirms it.
    void QueuePassword(const QStringList& tries) {
        dialogs.QueueModal([tries](QDialog* pass) {
            for (const QString& typed : tries) {
                pass->findChild<QLineEdit*>(u"Text9"_s)->setText(typed);
                pass->findChild<QPushButton*>(u"Command1"_s)->click();
            }
        });
    }
    // Notes the title and row count the editor shows, then leaves through the close box.
    void QueueEditor() {
        dialogs.QueueModal([this](QDialog* editor) {
            ASSERT_EQ(editor->objectName(), u"F_sakusei"_s);
            shown = editor->findChild<QLineEdit*>(u"Text2"_s)->text() + u" "_s +
                    QString::number(editor->findChild<QListWidget*>()->count());
            dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
            editor->close();
        });
    }
    void Launch(const QString& selected) {
        editor::LaunchChangeCollection(state, dialogs, nullptr, selected);
    }

    QString shown;
};

} // namespace

TEST_F(EditorLaunch, NewCollectionOpensTheEditorWithoutAPassword) {
    state.EditPassword = u"前の句集"_s;
    QueueEditor();
    editor::LaunchNewCollection(state, dialogs, nullptr);
    EXPECT_EQ(state.Editing, EditMode::New);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_sakusei"_s});
    EXPECT_EQ(shown, u" 4"_s);
    EXPECT_EQ(state.EditPassword, u"前の句集"_s);
    EXPECT_EQ(dialogs.Messages.size(), 1); // the close box asked before leaving
}

TEST_F(EditorLaunch, OnlyTheRightPasswordOpensTheCollection) {
    Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    k.Password = u"秘密Pw"_s;
    const QString selected = Store(k);
    dialogs.QueueModal([](QDialog* pass) { pass->reject(); });
    Launch(selected);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_pass"_s});
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    // The password was read before the window opened; a wrong one leaves it open.
    EXPECT_EQ(state.EditPassword, u"秘密Pw"_s);
    EXPECT_EQ(state.Editing, EditMode::Change);
    QueuePassword({u"秘密pw"_s, u"秘密Pw"_s});
    QueueEditor();
    Launch(selected);
    EXPECT_EQ(dialogs.ModalWindows, (QStringList{u"F_pass"_s, u"F_pass"_s, u"F_sakusei"_s}));
    EXPECT_EQ(shown, u"春 6"_s);
    EXPECT_EQ(Said(0), Box(u"パスワードが間違っています。"_s, Notice));
    EXPECT_TRUE(dialogs.Idle());
}

TEST_F(EditorLaunch, WhatCannotGiveItsPasswordOpensNoWindowAndChangesNothing) {
    WriteBytes(folder.File(u"三行_一.Ywk"_s), Sjis(u"三行\r\n作者\r\n一\r\n"_s));
    WriteBytes(folder.File(u"記号_一.Ywk"_s),
               Sjis(u"記号\r\n作者\r\n一\r\n120,abc,\r\nJOSTART--\r\n"_s));
    state.EditPassword = u"元のまま"_s;
    state.Editing = EditMode::New;
    for (const QString& selected : {QString(), u"無い_一"_s, u"三行_一"_s, u"記号_一"_s})
        Launch(selected);
    EXPECT_TRUE(dialogs.ModalWindows.isEmpty());
    EXPECT_EQ(Said(), (QStringList{
                          Box(u"上のリストから、編集したい句集を選択してください。"_s),
                          Box(CannotOpen + u"ファイル「無い_一.Ywk」を読み込めません。"_s, Notice),
                          Box(CannotOpen +
                                  u"ファイルが途中で終わっています（「OKUEND--」がありません）。"_s,
                              Notice),
                          Box(CannotOpen + u"４行目（パスワード）のデータが不正です。"_s, Notice),
                      }));
    EXPECT_EQ(state.EditPassword, u"元のまま"_s);
    EXPECT_EQ(state.Editing, EditMode::New);
}

TEST_F(EditorLaunch, AFaultAtLine5StillOpensTheHeaderAndOneBeyondNothing) {
    // Only the first four lines are read for the password.
    WriteBytes(
        folder.File(u"壊れ_二.Ywk"_s),
        Sjis(u"壊れ\r\n一茶\r\n二\r\n"_s + *EncodeCodeList(u"ab"_s) + u"\r\nJOSTART-\r\n"_s));
    QueuePassword({u"ab"_s});
    QueueEditor();
    Launch(u"壊れ_二"_s);
    EXPECT_EQ(shown, u"壊れ 0"_s);
    EXPECT_EQ(Said(0), Box(CannotOpen + u"５行目のデータが不正です。"_s, Notice));

    // Broken beyond the header: the editor is never shown half read.
    QByteArray bytes = SerializeKushu(MakeKushu(2, u"秋"_s, u"一"_s)).value();
    bytes.insert(bytes.indexOf("JOSTART--\r\n") + 11, "x");
    WriteBytes(folder.File(u"秋_一.Ywk"_s), bytes);
    QueuePassword({QString()});
    Launch(u"秋_一"_s);
    EXPECT_EQ(dialogs.ModalWindows, (QStringList{u"F_pass"_s, u"F_sakusei"_s, u"F_pass"_s}));
    EXPECT_EQ(Said(-1), Box(CannotOpen + u"６行目の色のデータが数値ではありません。"_s, Notice));
    EXPECT_TRUE(dialogs.Idle());
}
