#include "ViewerFixture.h"

#include "KansoFile.h"
#include "KushuFile.h"

#include <QApplication>
#include <QTest>

namespace yomiwa::test {

using namespace Qt::Literals::StringLiterals;

void ViewerTest::TearDown() {
    EXPECT_TRUE(dialogs.Idle()) << "answers or windows were queued but never asked for";
    form.reset();
}

void ViewerTest::Start() {
    form = std::make_unique<viewer::MainForm>(state, dialogs);
    // The executable's folder comes without its separator.
    ASSERT_TRUE(form->Form_Load(folder.Path().chopped(1)));
    form->show();
}

void ViewerTest::Write(const Kushu& kushu) {
    ASSERT_EQ(WriteKushuFile(folder.Path(), kushu), QString());
}

QLabel* ViewerTest::Label(int n) const {
    return Find<QLabel>(("Label" + std::to_string(n)).c_str());
}

ui::StripColumn* ViewerTest::Column(int n) const {
    return Find<ui::StripColumn>(("Label" + std::to_string(n)).c_str());
}

QPushButton* ViewerTest::Button(int n) const {
    return Find<QPushButton>(("Command" + std::to_string(n)).c_str());
}

void ViewerTest::Choose(const QString& itemText) {
    const QList<QListWidgetItem*> items = List2()->findItems(itemText, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << itemText.toStdString();
    List2()->setCurrentItem(items.front());
}

void ViewerTest::Open(const QString& itemText) {
    Choose(itemText);
    Button(1)->click();
}

void ViewerTest::Type(const QString& text) {
    QPlainTextEdit* box = Text2();
    box->moveCursor(QTextCursor::End);
    const QStringList lines = text.split(u"\r\n"_s);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        for (const QChar c : lines[i])
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList ViewerTest::Rows() const {
    QStringList rows;
    for (int i = 0; i < List1()->count(); ++i)
        rows.append(List1()->item(i)->text());
    return rows;
}

QStringList ViewerTest::CommentsOnDisk(const QString& fileName) const {
    const std::optional<QStringList> blocks = ParseKansoBlocks(ReadBytes(Path(fileName)));
    EXPECT_TRUE(blocks.has_value()) << fileName.toStdString();
    return blocks.value_or(QStringList());
}

QList<ScriptedDialogs::Message> ViewerTest::TakeMessages() {
    QList<ScriptedDialogs::Message> messages = dialogs.Messages;
    dialogs.Messages.clear();
    return messages;
}

} // namespace yomiwa::test
