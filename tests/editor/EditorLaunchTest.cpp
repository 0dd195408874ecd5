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

TEST_F(EditorLaunch, NewCollectionNeedsNoPasswordAndAChangeTheRightOne) {
    QueueEditor();
    editor::LaunchNewCollection(state, dialogs, nullptr);
    EXPECT_EQ(state.Editing, EditMode::New);
    EXPECT_EQ(shown, u" 4"_s);
    Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    k.Password = u"秘密Pw"_s;
    QueuePassword({u"秘密pw"_s, u"秘密Pw"_s});
    QueueEditor();
    Launch(Store(k));
    EXPECT_EQ(dialogs.ModalWindows, (QStringList{u"F_sakusei"_s, u"F_pass"_s, u"F_sakusei"_s}));
    EXPECT_EQ(state.Editing, EditMode::Change);
    EXPECT_EQ(shown, u"春 6"_s);
    EXPECT_EQ(Said(1), Box(u"パスワードが間違っています。"_s, Notice));
}

TEST_F(EditorLaunch, WhatCannotGiveItsPasswordOpensNoWindowAndChangesNothing) {
    WriteBytes(folder.File(u"三行_一.Ywk"_s), Sjis(u"三行\r\n作者\r\n一\r\n"_s));
    state.EditPassword = u"元のまま"_s;
    for (const QString& selected : {QString(), u"無い_一"_s, u"三行_一"_s})
        Launch(selected);
    EXPECT_TRUE(dialogs.ModalWindows.isEmpty());
    EXPECT_EQ(Said(), (QStringList{
                          Box(u"上のリストから、編集したい句集を選択してください。"_s),
                          Box(CannotOpen + u"ファイル「無い_一.Ywk」を読み込めません。"_s, Notice),
                          Box(CannotOpen +
                                  u"ファイルが途中で終わっています（「OKUEND--」がありません）。"_s,
                              Notice),
                      }));
    EXPECT_EQ(state.EditPassword, u"元のまま"_s);
}

TEST_F(EditorLaunch, AFaultBeyondTheHeaderOpensNoEditor) {
    QByteArray bytes = SerializeKushu(MakeKushu(2, u"秋"_s, u"一"_s)).value();
    bytes.insert(bytes.indexOf("JOSTART--\r\n") + 11, "x");
    WriteBytes(folder.File(u"秋_一.Ywk"_s), bytes);
    QueuePassword({QString()});
    Launch(u"秋_一"_s);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_pass"_s});
    EXPECT_EQ(Said(-1), Box(CannotOpen + u"６行目の色のデータが数値ではありません。"_s, Notice));
}
