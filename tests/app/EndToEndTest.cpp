// SPDX-License-Identifier: GPL-3.0-or-later
// An author makes a collection in the editor and saves it; a reader opens it in the
// reading window and pages through it. Every text and colour must arrive.

#include "model/StripText.h"
#include "strip/Colours.h"
#include "tests/viewer/ViewerFixture.h"
#include "ui/ColourValues.h"
#include "ui/Shapes.h"

#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace yomiwa::test {
namespace {

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Control<QPushButton>(window, QLatin1String(button)), Qt::LeftButton);
}

void SetLine(QWidget* window, const char* name, const QString& text) {
    Control<QLineEdit>(window, QLatin1String(name))->setText(text);
}

void PressSpecialPage(QWidget* editor, QListWidget* list, QPlainTextEdit* box, int row,
                      const QString& text) {
    list->setCurrentRow(row);
    box->setPlainText(text);
    QTest::mousePress(Control<QPushButton>(editor, u"Command18"_s), Qt::LeftButton);
}

struct Haiku {
    QString Preface, Verse, Postscript, Commentary;
    QColor Strip;
};

const Haiku Poem = {u"深川にて"_s, u"古池や蛙飛びこむ水の音"_s, u"芭蕉"_s,
                    u"静かな池。\n音のあと。"_s, QColor(0xFF, 0xEE, 0xDD)};

const QStringList SpecialTexts = {u"序の言葉です。"_s, u"跋の言葉です。"_s, u"作者の紹介です。"_s,
                                  u"令和八年　初版"_s};

// Drives the editor as an author would: header, 序, a haiku with colours of its own, the
// closing pages, then 保存して終了.
void Author(QDialog* editor, ScriptedDialogs& dialogs) {
    SetLine(editor, "Text2", u"四季"_s);
    SetLine(editor, "Text3", u"作者名"_s);
    SetLine(editor, "Text4", u"一"_s);
    auto* list = Control<QListWidget>(editor, u"List1"_s);
    auto* box = Control<QPlainTextEdit>(editor, u"Text1"_s);

    // 序 takes its commentary and a whole-window colour of its own.
    dialogs.QueueColour(QColor(0x10, 0x20, 0x30));
    Click(editor, "Command6");
    PressSpecialPage(editor, list, box, 0, SpecialTexts[0]);

    SetLine(editor, "Text6", Poem.Preface);
    SetLine(editor, "Text5", Poem.Verse);
    SetLine(editor, "Text7", Poem.Postscript);
    box->setPlainText(Poem.Commentary);
    dialogs.QueueColour(Poem.Strip);
    Click(editor, "Command7");
    Click(editor, "Command5"); // after 序, the selected row
    for (int page = 1; page <= 3; ++page)
        PressSpecialPage(editor, list, box, 1 + page, SpecialTexts[page]);
    Click(editor, "Command4");
}

using EndToEnd = ViewerTest;

TEST_F(EndToEnd, CollectionMadeInTheEditorReadsBackInTheViewer) {
    Start();
    dialogs.QueueModal([&](QDialog* editor) { Author(editor, dialogs); });
    Click(form.get(), "Command5");
    ASSERT_TRUE(dialogs.Idle());

    // Saving refreshed the collection list.
    ASSERT_EQ(Items(CollectionList()), QStringList{u"四季_一"_s});
    Open(u"四季_一"_s);
    EXPECT_EQ(Header().first(3), (QStringList{u"四季"_s, u"作者名"_s, u"第一版"_s}));
    EXPECT_EQ(Rows().size(), 5);

    // The strip's three columns, top to bottom of the page: verse, preface, postscript.
    const auto captions = [this] {
        return QStringList{VerseColumn()->Caption(), PrefaceColumn()->Caption(),
                           PostscriptColumn()->Caption()};
    };
    auto* strip = Find<ui::RoundedShape>("Shape1");

    // 序, with the window colour chosen for it and the editor's defaults elsewhere.
    EXPECT_EQ(captions().value(0), u"序"_s);
    EXPECT_EQ(CommentaryBox()->toPlainText(), SpecialTexts[0]);
    EXPECT_EQ(ui::BackColour(form.get()), strip::FromQColor(QColor(0x10, 0x20, 0x30)));
    EXPECT_EQ(strip->FillColour(), 12648447);
    EXPECT_EQ(ui::BackColour(CommentaryBox()), -2147483643); // a system colour stays one

    NextPageButton()->click();
    EXPECT_EQ(captions(), (QStringList{ToStripText(Poem.Verse), ToStripText(Poem.Preface),
                                       ToStripText(Poem.Postscript)}));
    EXPECT_EQ(CommentaryBox()->toPlainText(), Poem.Commentary);
    EXPECT_EQ(strip->FillColour(), strip::FromQColor(Poem.Strip));
    // The haiku took the colours shown when it was added, 序's window colour included.
    EXPECT_EQ(ui::BackColour(form.get()), strip::FromQColor(QColor(0x10, 0x20, 0x30)));
    const QStringList words = {u"跋"_s, u"プロフィ｜ル"_s, u"奥付"_s};
    for (int page = 1; page <= 3; ++page) {
        NextPageButton()->click();
        EXPECT_EQ(captions(), (QStringList{words[page - 1], QString(), QString()}));
        EXPECT_EQ(CommentaryBox()->toPlainText(), SpecialTexts[page]);
    }
    EXPECT_EQ(dialogs.Messages.size(), 4); // the four "changed" notices of 句の変更
}

} // namespace
} // namespace yomiwa::test
