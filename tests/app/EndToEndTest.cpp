// An author makes a collection in the editor and saves it; a reader opens it in the
// reading window and pages through it. Every text and colour must arrive.

#include "ColourValues.h"
#include "KushuFile.h"
#include "MainForm.h"
#include "ScriptedDialogs.h"
#include "Shapes.h"
#include "StripColumn.h"
#include "StripText.h"
#include "TestSupport.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

template <typename T> T* Control(QWidget* window, const char* name) {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Control<QPushButton>(window, button), Qt::LeftButton);
}

void SetLine(QWidget* window, const char* name, const QString& text) {
    Control<QLineEdit>(window, name)->setText(text);
}

void SetBox(QWidget* window, const char* name, const QString& text) {
    Control<QPlainTextEdit>(window, name)->setPlainText(text);
}

void SelectRow(QWidget* window, int row) {
    Control<QListWidget>(window, "List1")->setCurrentRow(row);
}

struct Haiku {
    QString Preface, Verse, Postscript, Commentary;
    QColor Strip;
};

const QList<Haiku> Poems = {
    {u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"芭蕉"_s, u"静かな池。\n音のあと。"_s,
     QColor(0xFF, 0xEE, 0xDD)},
    {QString(), u"菜の花や月は東に日は西に"_s, u"蕪村"_s, u"春の夕暮れ。"_s,
     QColor(0xEE, 0xFF, 0xDD)},
    {u"ーー前書ー"_s, u"柿くへば鐘が鳴るなり法隆寺"_s, QString(), u"子規の句。"_s,
     QColor(0xDD, 0xEE, 0xFF)},
};

const QStringList SpecialTexts = {u"序の言葉です。"_s, u"跋の言葉です。"_s, u"作者の紹介です。"_s,
                                  u"令和八年　初版"_s};

// Drives the editor as an author would: header, 序, three haiku with colours of their
// own, the closing pages, then 保存して終了.
void Author(QDialog* editor, ScriptedDialogs& dialogs) {
    SetLine(editor, "Text2", u"四季"_s);
    SetLine(editor, "Text3", u"作者名"_s);
    SetLine(editor, "Text4", u"一"_s);

    // 序 takes its commentary and a whole-window colour of its own.
    SelectRow(editor, 0);
    SetBox(editor, "Text1", SpecialTexts[0]);
    dialogs.QueueColour(QColor(0x10, 0x20, 0x30));
    Click(editor, "Command6");
    QTest::mousePress(Control<QPushButton>(editor, "Command18"), Qt::LeftButton);

    for (int i = 0; i < Poems.size(); ++i) {
        SelectRow(editor, i); // each new haiku goes after the one before
        const Haiku& h = Poems[i];
        SetLine(editor, "Text6", h.Preface);
        SetLine(editor, "Text5", h.Verse);
        SetLine(editor, "Text7", h.Postscript);
        SetBox(editor, "Text1", h.Commentary);
        dialogs.QueueColour(h.Strip);
        Click(editor, "Command7");
        Click(editor, "Command5");
    }
    for (int page = 1; page <= 3; ++page) {
        SelectRow(editor, int(Poems.size()) + page);
        SetBox(editor, "Text1", SpecialTexts[page]);
        QTest::mousePress(Control<QPushButton>(editor, "Command18"), Qt::LeftButton);
    }
    Click(editor, "Command4");
}

} // namespace

TEST(EndToEnd, CollectionMadeInTheEditorReadsBackInTheViewer) {
    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    viewer::MainForm form(state, dialogs);
    ASSERT_TRUE(form.Form_Load(folder.Path()));
    form.show();

    dialogs.QueueModal([&](QDialog* editor) { Author(editor, dialogs); });
    Click(&form, "Command5");
    ASSERT_TRUE(dialogs.Idle());

    // Saving refreshed the collection list; the file reads back as made.
    auto* list2 = Control<QListWidget>(&form, "List2");
    ASSERT_EQ(list2->count(), 1);
    EXPECT_EQ(list2->item(0)->text(), u"四季_一"_s);
    const KushuReadResult saved = ReadKushuFile(folder.File(u"四季_一.Ywk"_s));
    ASSERT_TRUE(saved.ok()) << saved.Error.toStdString();
    EXPECT_EQ(saved.Collection.KuCount(), 3);
    EXPECT_EQ(saved.Collection.Password, QString());
    EXPECT_EQ(saved.Collection.Entries[1].Commentary, u"静かな池。\r\n音のあと。"_s);

    list2->setCurrentRow(0);
    Click(&form, "Command1");
    EXPECT_EQ(Control<QLabel>(&form, "Label5")->text(), u"四季"_s);
    EXPECT_EQ(Control<QLabel>(&form, "Label7")->text(), u"作者名"_s);
    EXPECT_EQ(Control<QLabel>(&form, "Label8")->text(), u"第一版"_s);
    auto* list1 = Control<QListWidget>(&form, "List1");
    QStringList rows;
    for (int i = 0; i < list1->count(); ++i)
        rows.append(list1->item(i)->text());
    EXPECT_EQ(rows, (QStringList{u"序"_s, Poems[0].Verse, Poems[1].Verse, Poems[2].Verse, u"跋"_s,
                                 u"プロフィール"_s, u"奥付"_s}));

    auto* verse = Control<ui::StripColumn>(&form, "Label1");
    auto* preface = Control<ui::StripColumn>(&form, "Label2");
    auto* postscript = Control<ui::StripColumn>(&form, "Label3");
    auto* commentary = Control<QPlainTextEdit>(&form, "Text1");
    auto* strip = Control<ui::RoundedShape>(&form, "Shape1");

    // 序, with the window colour chosen for it and the editor's defaults elsewhere.
    EXPECT_EQ(verse->Caption(), u"序"_s);
    EXPECT_EQ(commentary->toPlainText(), SpecialTexts[0]);
    EXPECT_EQ(ui::BackColour(&form), ui::FromQColor(QColor(0x10, 0x20, 0x30)));
    EXPECT_EQ(strip->FillColour(), 12648447);
    EXPECT_EQ(ui::BackColour(commentary), -2147483643); // a system colour stays one

    for (int i = 0; i < Poems.size(); ++i) {
        Click(&form, "Command4");
        const Haiku& h = Poems[i];
        EXPECT_EQ(verse->Caption(), ToStripText(h.Verse));
        EXPECT_EQ(preface->Caption(), ToStripText(h.Preface));
        EXPECT_EQ(postscript->Caption(), ToStripText(h.Postscript));
        EXPECT_EQ(commentary->toPlainText(), h.Commentary);
        EXPECT_EQ(strip->FillColour(), ui::FromQColor(h.Strip));
        // Each haiku took the colours shown when it was added, 序's window colour included.
        EXPECT_EQ(ui::BackColour(&form), ui::FromQColor(QColor(0x10, 0x20, 0x30)));
    }
    const QStringList words = {u"跋"_s, u"プロフィ｜ル"_s, u"奥付"_s};
    for (int page = 1; page <= 3; ++page) {
        Click(&form, "Command4");
        EXPECT_EQ(verse->Caption(), words[page - 1]);
        EXPECT_EQ(preface->Caption(), QString());
        EXPECT_EQ(commentary->toPlainText(), SpecialTexts[page]);
    }
    EXPECT_EQ(dialogs.Messages.size(), 4); // the four "changed" notices of 句の変更
}
