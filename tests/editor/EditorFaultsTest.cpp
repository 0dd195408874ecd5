// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's fields and buttons as found in review: pasted line breaks, long texts,
// Enter on a button, 句の変更 under a real message box.

#include "tests/editor/EditorFixture.h"

#include <QDir>

#include <tuple>

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
    // Field, its name, and the button that checks it.
    using Field = QLineEdit* (EditorFixture::*)() const;
    const std::tuple<Field, QString, QPushButton* (EditorFixture::*)() const> fields[] = {
        {&EditorFaults::PrefaceField, u"前書"_s, &EditorFaults::AddButton},
        {&EditorFaults::VerseField, u"句"_s, &EditorFaults::AddButton},
        {&EditorFaults::PostscriptField, u"後書"_s, &EditorFaults::AddButton},
        // A password with a line break could never be typed again.
        {&EditorFaults::PasswordField, u"パスワード"_s, &EditorFaults::SaveButton}};
    for (const QString& lineBreak : {u"\n"_s, u"\r\n"_s, u"\r"_s}) {
        for (const auto& [field, name, button] : fields) {
            SCOPED_TRACE(name.toStdString() + " " + std::to_string(lineBreak.size()));
            OpenNew();
            Fill(u"前"_s, u"句"_s, u"後"_s);
            TitleField()->setText(u"春"_s);
            (this->*field)()->insert(u"上"_s + lineBreak + u"下"_s);
            (this->*button)()->click();
            EXPECT_EQ(LastSaid(), (Message{TwoLines(name), Ok, name + u"は１行にしてください"_s}));
            EXPECT_EQ(Rows().size(), 4);
        }
        PasswordField()->clear();
        TitleField()->insert(lineBreak);
        SaveButton()->click();
        EXPECT_EQ(LastSaid(), Message{u"句集名に改行が含まれています。"_s});
        EXPECT_TRUE(QDir(folder.Path()).entryList(QDir::Files).isEmpty());
    }
    Kushu k = MakeKushu(1);
    k.Entries[1].Preface = QString(u"前"_s).repeated(40000);
    OpenChange(Store(k));
    Select(1);
    EXPECT_EQ(PrefaceField()->text().size(), 40000);
    EXPECT_EQ(PrefaceField()->cursorPosition(), 0);
}

TEST_F(EditorFaults, EnterActivatesTheFocusedButton) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        OpenNew();
        dialogs.Messages.clear();
        QTest::keyClick(Find<QPushButton>("Command19"), key); // 現在の色を保存
        EXPECT_EQ(dialogs.Messages.size(), 1);
    }
}

// The only test here with real, blocking message boxes: the box opens during the press of
// 句の変更 and takes the release with it; Enter on a question that throws work away says No.
TEST_F(EditorFaults, ChangeIsNotLeftPressedAfterItsMessageAndEnterKeepsTheWork) {
    ui::QtDialogs boxes;
    OpenNew(&boxes);
    VerseField()->setText(u"句"_s);
    EntryList()->setCurrentRow(-1);
    QPushButton* change = ChangeButton();
    EXPECT_EQ(CloseRealBoxes([change] { QTest::mousePress(change, Qt::LeftButton); }).size(), 1);
    EXPECT_FALSE(change->isDown());
    auto* leave = Find<QPushButton>("Command17"); // 保存せず終了
    EXPECT_EQ(CloseRealBoxes([leave] { leave->click(); }, true).size(), 1);
    EXPECT_TRUE(window->isVisible());
    window.reset(); // before the boxes it uses
}

} // namespace
