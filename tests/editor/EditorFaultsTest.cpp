// The editor's fields and buttons as found in review: pasted line breaks, long texts,
// Enter on a button, 句の変更 under a real message box.

#include "tests/editor/EditorFixture.h"

#include <QDir>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using EditorFaults = EditorFixture;

QString TwoLines(const QString& name) {
    return name +
           u"が２行以上になっています。\rクリップボードを使って文字を貼り付ける場合は、\r"_s +
           u"改行が含まれないように注意してください。"_s;
}

TEST_F(EditorFaults, APastedLineBreakIsRefusedWhateverItsFormAndLongTextsAreKept) {
    // Field, its name, its message box's title, and the button that checks it.
    const struct {
        const char* field;
        QString name;
        const char* button;
    } fields[] = {{"Text6", u"前書"_s, "Command5"},
                  {"Text5", u"句"_s, "Command5"},
                  {"Text7", u"後書"_s, "Command5"},
                  {"Text9", u"パスワード"_s, "Command4"}}; // could never be typed again
    for (const QString& lineBreak : {u"\n"_s, u"\r\n"_s, u"\r"_s}) {
        for (const auto& f : fields) {
            SCOPED_TRACE(f.name.toStdString() + " " + std::to_string(lineBreak.size()));
            OpenNew();
            Fill(u"前"_s, u"句"_s, u"後"_s);
            Line("Text2")->setText(u"春"_s);
            Line(f.field)->insert(u"上"_s + lineBreak + u"下"_s);
            Click(f.button);
            EXPECT_EQ(Said(-1), Box(TwoLines(f.name), Ok, f.name + u"は１行にしてください"_s));
            EXPECT_EQ(Rows().size(), 4);
        }
        Line("Text9")->clear();
        Line("Text2")->insert(lineBreak);
        Click("Command4");
        EXPECT_EQ(Said(-1), Box(u"句集名に改行が含まれています。"_s));
        EXPECT_TRUE(QDir(folder.Path()).entryList(QDir::Files).isEmpty());
    }
    Kushu k = MakeKushu(1);
    k.Entries[1].Preface = QString(u"前"_s).repeated(40000);
    OpenChange(Store(k));
    Select(1);
    EXPECT_EQ(Line("Text6")->text().size(), 40000);
    EXPECT_EQ(Line("Text6")->cursorPosition(), 0);
}

TEST_F(EditorFaults, EnterActivatesTheFocusedButton) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        OpenNew();
        dialogs.Messages.clear();
        QTest::keyClick(Get<QPushButton>("Command19"), key);
        EXPECT_EQ(dialogs.Messages.size(), 1);
    }
}

// The only test here with real, blocking message boxes: the box opens during the press of
// 句の変更 and takes the release with it; Enter on a question that throws work away says No.
TEST(EditorRealBox, ChangeIsNotLeftPressedAfterItsMessageAndEnterKeepsTheWork) {
    Folder folder;
    SharedState state;
    state.AppFolder = folder.Path();
    state.Editing = EditMode::New;
    ui::QtDialogs boxes;
    editor::F_sakusei window(state, boxes, QString());
    window.show();
    window.findChild<QLineEdit*>(u"Text5"_s)->setText(u"句"_s);
    window.findChild<QListWidget*>(u"List1"_s)->setCurrentRow(-1);
    auto* change = window.findChild<QPushButton*>(u"Command18"_s);
    EXPECT_EQ(CloseRealBoxes([change] { QTest::mousePress(change, Qt::LeftButton); }).size(), 1);
    EXPECT_FALSE(change->isDown());
    auto* leave = window.findChild<QPushButton*>(u"Command17"_s);
    EXPECT_EQ(CloseRealBoxes([leave] { leave->click(); }, true).size(), 1);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
