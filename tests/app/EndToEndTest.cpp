// SPDX-License-Identifier: GPL-3.0-or-later
// An author makes a collection in the editor and saves it; a reader opens it in the
// reading window and pages through it. Every text and colour must arrive.

#include "model/StripText.h"
#include "strip/Colours.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"
#include "ui/ColourValues.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"
#include "viewer/MainForm.h"

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

void PressSpecialPage(QWidget* editor, QListWidget* list, QPlainTextEdit* box, int row,
                      const QString& text) {
    list->setCurrentRow(row);
    box->setPlainText(text);
    QTest::mousePress(Control<QPushButton>(editor, "Command18"), Qt::LeftButton);
}

struct Haiku {
    QString Preface, Verse, Postscript, Commentary;
    QColor Strip;
};

const QList<Haiku> Poems = {
    {u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"芭蕉"_s, u"静かな池。\n音のあと。"_s,
     QColor(0xFF, 0xEE, 0xDD)},
    {u"ーー前書ー"_s, u"柿くへば鐘が鳴るなり法隆寺"_s, QString(), u"子規の句。"_s,
     QColor(0xDD, 0xEE, 0xFF)},
};

const QStringList SpecialTexts = {u"序の言葉です。"_s, u"跋の言葉です。"_s, u"作者の紹介です。"_s,
                                  u"令和八年　初版"_s};

// Drives the editor as an author would: header, 序, two haiku with colours of their
// own, the closing pages, then 保存して終了.
void Author(QDialog* editor, ScriptedDialogs& dialogs) {
    SetLine(editor, "Text2", u"四季"_s);
    SetLine(editor, "Text3", u"作者名"_s);
    SetLine(editor, "Text4", u"一"_s);
    auto* list = Control<QListWidget>(editor, "List1");
    auto* box = Control<QPlainTextEdit>(editor, "Text1");

    // 序 takes its commentary and a whole-window colour of its own.
    dialogs.QueueColour(QColor(0x10, 0x20, 0x30));
    Click(editor, "Command6");
    PressSpecialPage(editor, list, box, 0, SpecialTexts[0]);

    for (int i = 0; i < Poems.size(); ++i) {
        list->setCurrentRow(i); // each new haiku goes after the one before
        const Haiku& h = Poems[i];
        SetLine(editor, "Text6", h.Preface);
        SetLine(editor, "Text5", h.Verse);
        SetLine(editor, "Text7", h.Postscript);
        box->setPlainText(h.Commentary);
        dialogs.QueueColour(h.Strip);
        Click(editor, "Command7");
        Click(editor, "Command5");
    }
    for (int page = 1; page <= 3; ++page)
        PressSpecialPage(editor, list, box, int(Poems.size()) + page, SpecialTexts[page]);
    Click(editor, "Command4");
}

} // namespace

TEST(EndToEnd, CollectionMadeInTheEditorReadsBackInTheViewer) {
    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    viewer::MainForm form(state, dialogs);
    ASSERT_TRUE(form.Form_Load(folder.Path(), viewer::MainForm::OtherInstance::None));
    form.show();

    dialogs.QueueModal([&](QDialog* editor) { Author(editor, dialogs); });
    Click(&form, "Command5");
    ASSERT_TRUE(dialogs.Idle());

    // Saving refreshed the collection list.
    auto* list2 = Control<QListWidget>(&form, "List2");
    ASSERT_EQ(list2->count(), 1);
    EXPECT_EQ(list2->item(0)->text(), u"四季_一"_s);

    list2->setCurrentRow(0);
    Click(&form, "Command1");
    QStringList labels;
    for (const char* name : {"Label5", "Label7", "Label8"})
        labels.append(Control<QLabel>(&form, name)->text());
    EXPECT_EQ(labels, (QStringList{u"四季"_s, u"作者名"_s, u"第一版"_s}));
    EXPECT_EQ(Control<QListWidget>(&form, "List1")->count(), 6);

    // The strip's three columns, top to bottom of the page: verse, preface, postscript.
    const auto captions = [&form] {
        QStringList texts;
        for (const char* name : {"Label1", "Label2", "Label3"})
            texts.append(Control<ui::StripColumn>(&form, name)->Caption());
        return texts;
    };
    auto* commentary = Control<QPlainTextEdit>(&form, "Text1");
    auto* strip = Control<ui::RoundedShape>(&form, "Shape1");

    // 序, with the window colour chosen for it and the editor's defaults elsewhere.
    EXPECT_EQ(captions().value(0), u"序"_s);
    EXPECT_EQ(commentary->toPlainText(), SpecialTexts[0]);
    EXPECT_EQ(ui::BackColour(&form), strip::FromQColor(QColor(0x10, 0x20, 0x30)));
    EXPECT_EQ(strip->FillColour(), 12648447);
    EXPECT_EQ(ui::BackColour(commentary), -2147483643); // a system colour stays one

    for (int i = 0; i < Poems.size(); ++i) {
        Click(&form, "Command4");
        const Haiku& h = Poems[i];
        EXPECT_EQ(captions(), (QStringList{ToStripText(h.Verse), ToStripText(h.Preface),
                                           ToStripText(h.Postscript)}));
        EXPECT_EQ(commentary->toPlainText(), h.Commentary);
        EXPECT_EQ(strip->FillColour(), strip::FromQColor(h.Strip));
        // Each haiku took the colours shown when it was added, 序's window colour included.
        EXPECT_EQ(ui::BackColour(&form), strip::FromQColor(QColor(0x10, 0x20, 0x30)));
    }
    const QStringList words = {u"跋"_s, u"プロフィ｜ル"_s, u"奥付"_s};
    for (int page = 1; page <= 3; ++page) {
        Click(&form, "Command4");
        EXPECT_EQ(captions(), (QStringList{words[page - 1], QString(), QString()}));
        EXPECT_EQ(commentary->toPlainText(), SpecialTexts[page]);
    }
    EXPECT_EQ(dialogs.Messages.size(), 4); // the four "changed" notices of 句の変更
}
