#include "EditorFixture.h"

#include "BoxText.h"
#include "KushuFile.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace yomiwa::test {

using namespace Qt::Literals::StringLiterals;

EditorFixture::EditorFixture() {
    state.AppFolder = folder.Path();
}

QString EditorFixture::Store(const Kushu& kushu) {
    EXPECT_EQ(WriteKushuFile(folder.Path(), kushu), QString());
    return kushu.Title + u"_"_s + kushu.Edition;
}

editor::F_sakusei& EditorFixture::OpenNew() {
    window.reset();
    state.EditMode = u"新規"_s;
    window = std::make_unique<editor::F_sakusei>(state, dialogs, QString());
    window->show();
    return *window;
}

editor::F_sakusei& EditorFixture::OpenChange(const QString& selected, const QString& mode) {
    window.reset();
    state.EditMode = mode;
    window = std::make_unique<editor::F_sakusei>(state, dialogs, selected);
    window->show();
    return *window;
}

QString EditorFixture::Text1() const {
    return ui::BoxText(Get<QPlainTextEdit>("Text1"));
}

QString EditorFixture::Help() const {
    return ui::BoxText(Get<QPlainTextEdit>("Text8"));
}

QStringList EditorFixture::Rows() const {
    QStringList rows;
    for (int i = 0; i < List1()->count(); ++i)
        rows.append(List1()->item(i)->text());
    return rows;
}

void EditorFixture::Type(QWidget* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void EditorFixture::MoveOver(QWidget* control, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(control->mapToGlobal(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

} // namespace yomiwa::test
