// The editor's fields and buttons as found in review: pasted line breaks, long texts,
// Enter on a button, 句の変更 under a real message box.

#include "ColourValues.h"
#include "EditorFixture.h"

#include <QDir>
#include <QMessageBox>
#include <QTimer>

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

TEST_F(EditorFaults, APastedLineBreakIsRefusedWhateverItsForm) {
    const char* fields[] = {"Text6", "Text5", "Text7"};
    const QString names[] = {u"前書"_s, u"句"_s, u"後書"_s};
    for (const QString& lineBreak : {u"\n"_s, u"\r\n"_s, u"\r"_s}) {
        for (int f = 0; f < 3; ++f) {
            SCOPED_TRACE(names[f].toStdString() + " " + std::to_string(lineBreak.size()));
            OpenNew();
            Select(0);
            Fill(u"前"_s, u"句"_s, u"後"_s);
            Line(fields[f])->insert(u"上"_s + lineBreak + u"下"_s);
            Click("Command5");
            EXPECT_EQ(Said(-1), Box(TwoLines(names[f]), Ok, names[f] + u"は１行にしてください"_s));
            EXPECT_EQ(Rows().size(), 4);
        }
        // The password, which could never be typed again, and the title.
        OpenNew();
        Line("Text2")->setText(u"春"_s);
        Line("Text9")->insert(u"秘"_s + lineBreak + u"密"_s);
        Click("Command4");
        EXPECT_EQ(Said(-1),
                  Box(TwoLines(u"パスワード"_s), Ok, u"パスワードは１行にしてください"_s));
        Line("Text9")->clear();
        Line("Text2")->insert(lineBreak);
        Click("Command4");
        EXPECT_EQ(Said(-1), Box(u"句集名に改行が含まれています。"_s));
        EXPECT_TRUE(QDir(folder.Path()).entryList(QDir::Files).isEmpty());
    }
}

TEST_F(EditorFaults, LongTextsAreKeptWholeAndShownFromTheirStart) {
    Kushu k = MakeKushu(1);
    k.Author = QString(u"作"_s).repeated(40000);
    k.Entries[1].Preface = QString(u"前"_s).repeated(40000);
    OpenChange(Store(k));
    Select(1);
    for (const char* name : {"Text3", "Text6"}) {
        EXPECT_EQ(Line(name)->text().size(), 40000) << name;
        EXPECT_EQ(Line(name)->cursorPosition(), 0) << name;
    }
}

TEST_F(EditorFaults, EnterActivatesTheFocusedButton) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        OpenNew();
        dialogs.Messages.clear();
        QTest::keyClick(Get<QPushButton>("Command19"), key);
        EXPECT_EQ(dialogs.Messages.size(), 1);
    }
}

// The only test here with a real, blocking message box: the box opens during the press of
// 句の変更 and takes the release with it.
TEST(EditorRealBox, ChangeIsNotLeftPressedAfterItsMessage) {
    Folder folder;
    SharedState state;
    state.AppFolder = folder.Path();
    state.Editing = EditMode::New;
    ui::QtDialogs boxes;
    editor::F_sakusei window(state, boxes, QString());
    window.show();
    window.findChild<QLineEdit*>(u"Text5"_s)->setText(u"句"_s);
    window.findChild<QListWidget*>(u"List1"_s)->setCurrentRow(-1);
    int closed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&closed] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->done(0);
            ++closed;
        }
    });
    closer.start(50);
    auto* change = window.findChild<QPushButton*>(u"Command18"_s);
    QTest::mousePress(change, Qt::LeftButton);
    closer.stop();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(change->isDown());
}

} // namespace
