#include "EditorLaunch.h"
#include "CodeList.h"
#include "EditorFixture.h"
#include "KushuFile.h"

#include <QDialog>
#include <QPushButton>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

class EditorLaunch : public EditorFixture {
protected:
    // Drives the password window: types the password and confirms it.
    void QueuePassword(const QString& typed) {
        dialogs.QueueModal([typed](QDialog* pass) {
            EXPECT_EQ(pass->objectName(), u"F_pass"_s);
            pass->findChild<QLineEdit*>(u"Text9"_s)->setText(typed);
            pass->findChild<QPushButton*>(u"Command1"_s)->click();
        });
    }
    // Looks at the editor when it shows, then leaves it through the close box.
    void QueueEditor(std::function<void(QDialog*)> look) {
        dialogs.QueueModal([this, look](QDialog* editor) {
            EXPECT_EQ(editor->objectName(), u"F_sakusei"_s);
            look(editor);
            dialogs.QueueAnswer(ui::Dialogs::Answer::Yes);
            editor->close();
        });
    }
    static QStringList RowsOf(QDialog* editor) {
        QStringList rows;
        auto* list = editor->findChild<QListWidget*>(u"List1"_s);
        for (int i = 0; i < list->count(); ++i)
            rows.append(list->item(i)->text());
        return rows;
    }
    void Launch(const QString& selected) {
        editor::LaunchChangeCollection(state, dialogs, nullptr, selected);
    }
};

} // namespace

TEST_F(EditorLaunch, NewCollectionOpensTheEditorWithoutAPassword) {
    state.EditPassword = u"前の句集"_s;
    QStringList rows;
    QueueEditor([&](QDialog* editor) { rows = RowsOf(editor); });
    editor::LaunchNewCollection(state, dialogs, nullptr);
    EXPECT_EQ(state.EditMode, u"新規"_s);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_sakusei"_s});
    EXPECT_EQ(rows, (QStringList{u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(state.EditPassword, u"前の句集"_s);
    // The close box asked before leaving.
    EXPECT_EQ(dialogs.Prompts(),
              QStringList{u"編集結果を保存せずに句集の編集を終了して良いですか?"_s});
    EXPECT_TRUE(dialogs.Idle());
}

TEST_F(EditorLaunch, ChangeNeedsASelectedCollection) {
    state.EditMode = u"新規"_s;
    state.EditPassword = u"x"_s;
    Launch(QString());
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt, u"上のリストから、編集したい句集を選択してください。"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 0);
    EXPECT_EQ(dialogs.Messages[0].Title, QString());
    EXPECT_TRUE(dialogs.ModalWindows.isEmpty());
    EXPECT_EQ(state.EditMode, u"新規"_s);
    EXPECT_EQ(state.EditPassword, u"x"_s);
}

TEST_F(EditorLaunch, TheRightPasswordOpensTheCollectionInTheEditor) {
    Kushu k = MakeKushu(2, u"春"_s, u"一"_s);
    k.Password = u"秘密Pw"_s;
    const QString selected = Store(k);

    dialogs.QueueModal([&](QDialog* pass) {
        // The password was read before the window opened.
        EXPECT_EQ(state.EditPassword, u"秘密Pw"_s);
        EXPECT_EQ(state.EditMode, u"変更"_s);
        auto* text9 = pass->findChild<QLineEdit*>(u"Text9"_s);
        auto* ok = pass->findChild<QPushButton*>(u"Command1"_s);
        text9->setText(u"秘密pw"_s);
        ok->click();
        EXPECT_TRUE(pass->isVisible());
        text9->setText(u"秘密Pw"_s);
        ok->click();
        EXPECT_FALSE(pass->isVisible());
    });
    QStringList rows;
    QString title;
    QueueEditor([&](QDialog* editor) {
        rows = RowsOf(editor);
        title = editor->findChild<QLineEdit*>(u"Text2"_s)->text();
        EXPECT_EQ(editor->findChild<QLineEdit*>(u"Text9"_s)->text(), u"秘密Pw"_s);
    });
    Launch(selected);
    EXPECT_EQ(dialogs.ModalWindows, (QStringList{u"F_pass"_s, u"F_sakusei"_s}));
    EXPECT_EQ(rows, (QStringList{u"序"_s, k.Entries[1].Verse, k.Entries[2].Verse, u"跋"_s,
                                 u"プロフィール"_s, u"奥付"_s}));
    EXPECT_EQ(title, u"春"_s);
    EXPECT_EQ(dialogs.Prompts().first(), u"パスワードが間違っています。"_s);
    EXPECT_TRUE(dialogs.Idle());
}

TEST_F(EditorLaunch, CancellingThePasswordOpensNothing) {
    const QString selected = Store(MakeKushu(1));
    dialogs.QueueModal([](QDialog* pass) { pass->reject(); });
    Launch(selected);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_pass"_s});
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(EditorLaunch, AFileThatCannotGiveItsPasswordIsReportedWithoutAPasswordWindow) {
    WriteBytes(folder.File(u"三行_一.Ywk"_s), Sjis(u"三行\r\n作者\r\n一\r\n"_s));
    WriteBytes(folder.File(u"記号_一.Ywk"_s),
               Sjis(u"記号\r\n作者\r\n一\r\n120,abc,\r\nJOSTART--\r\n"_s));
    state.EditPassword = u"元のまま"_s;
    state.EditMode = u"新規"_s;
    Launch(u"無い_一"_s);
    Launch(u"三行_一"_s);
    Launch(u"記号_一"_s);
    EXPECT_TRUE(dialogs.ModalWindows.isEmpty());
    ASSERT_EQ(dialogs.Messages.size(), 3);
    EXPECT_EQ(dialogs.Messages[0].Prompt,
              u"句集を開けません。\rファイル「無い_一.Ywk」を読み込めません。"_s);
    EXPECT_TRUE(dialogs.Messages[1].Prompt.startsWith(u"句集を開けません。\r"_s));
    EXPECT_EQ(dialogs.Messages[2].Prompt,
              u"句集を開けません。\r４行目（パスワード）のデータが不正です。"_s);
    for (const ScriptedDialogs::Message& m : dialogs.Messages)
        EXPECT_EQ(m.Style, 8);
    EXPECT_EQ(state.EditPassword, u"元のまま"_s);
    EXPECT_EQ(state.EditMode, u"新規"_s);
}

TEST_F(EditorLaunch, OnlyTheFirstFourLinesAreReadForThePassword) {
    // Line 5 is broken: the password window still opens, and the editor shows the header.
    const QString pw = *EncodeCodeList(u"ab"_s);
    WriteBytes(folder.File(u"壊れ_二.Ywk"_s),
               Sjis(u"壊れ\r\n一茶\r\n二\r\n"_s + pw + u"\r\nJOSTART-\r\n"_s));
    QueuePassword(u"ab"_s);
    QString author;
    QueueEditor([&](QDialog* editor) {
        author = editor->findChild<QLineEdit*>(u"Text3"_s)->text();
        EXPECT_TRUE(RowsOf(editor).isEmpty());
    });
    Launch(u"壊れ_二"_s);
    EXPECT_EQ(author, u"一茶"_s);
    EXPECT_EQ(dialogs.Prompts().first(), u"句集を開けません。\r５行目のデータが不正です。"_s);
    EXPECT_TRUE(dialogs.Idle());
}

TEST_F(EditorLaunch, ACollectionBrokenBeyondItsHeaderIsNeverShownHalfRead) {
    const SerializedFile good = SerializeKushu(MakeKushu(2, u"秋"_s, u"一"_s));
    ASSERT_TRUE(good.ok());
    QByteArray bytes = good.Bytes;
    const qsizetype firstColour = bytes.indexOf("JOSTART--\r\n") + 11;
    bytes.insert(firstColour, "x");
    WriteBytes(folder.File(u"秋_一.Ywk"_s), bytes);

    QueuePassword(QString());
    Launch(u"秋_一"_s);
    EXPECT_EQ(dialogs.ModalWindows, QStringList{u"F_pass"_s});
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(dialogs.Messages[0].Prompt,
              u"句集を開けません。\r６行目の色のデータが数値ではありません。"_s);
    EXPECT_EQ(dialogs.Messages[0].Style, 8);
    EXPECT_EQ(state.EditorKushu, Kushu());
}
