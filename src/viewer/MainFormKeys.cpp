#include "viewer/MainForm.h"

#include "ui/Shapes.h"
#include "ui/StripColumn.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Turn { None, Next, Previous, First, Last };

// Ctrl+PageDown and Ctrl+PageUp turn pages from anywhere, the comment box included: a page
// turned to a verse puts the focus into that box, where the plain keys edit.
Turn TurnFromAnywhere(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return Turn::None;
    if (key.key() == Qt::Key_PageDown)
        return Turn::Next;
    return key.key() == Qt::Key_PageUp ? Turn::Previous : Turn::None;
}

// Vertical text is read from right to left, so ← goes on and → goes back.
Turn TurnOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (const Turn turn = TurnFromAnywhere(key); turn != Turn::None)
        return turn;
    if (key.key() == Qt::Key_Space && modifiers == Qt::ShiftModifier)
        return Turn::Previous;
    if (modifiers != Qt::NoModifier)
        return Turn::None;
    switch (key.key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Left:
        return Turn::Next;
    case Qt::Key_PageUp:
    case Qt::Key_Right:
        return Turn::Previous;
    case Qt::Key_Home:
        return Turn::First;
    case Qt::Key_End:
        return Turn::Last;
    default:
        return Turn::None;
    }
}

// Watches the keys of every control; the comment box keeps its editing keys and gives up
// only Ctrl+PageDown and Ctrl+PageUp. The window itself is not watched: a key the box lets
// pass (← at its start) goes on to it.
class PageKeys : public QObject {
public:
    PageKeys(MainForm* form, QListWidget* pages, QObject* commentBox)
        : QObject(form)
        , m_form(form)
        , m_pages(pages)
        , m_commentBox(commentBox) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Turn turn = watched == m_commentBox ? TurnFromAnywhere(*key) : TurnOf(*key);
        // Space still presses the button that has the focus.
        if (turn == Turn::None ||
            (key->key() == Qt::Key_Space && qobject_cast<QAbstractButton*>(watched)))
            return false;
        const int last = m_pages->count() - 1;
        switch (turn) {
        case Turn::Next:
            m_form->Command4_Click();
            break;
        case Turn::Previous:
            m_form->Command3_Click();
            break;
        case Turn::First:
            if (last >= 0 && m_pages->currentRow() != 0)
                m_pages->setCurrentRow(0);
            break;
        case Turn::Last:
            if (last >= 0 && m_pages->currentRow() != last)
                m_pages->setCurrentRow(last);
            break;
        case Turn::None:
            break;
        }
        return true;
    }

private:
    MainForm* m_form;
    QListWidget* m_pages;
    QObject* m_commentBox;
};

} // namespace

void MainForm::SetUpKeysAndNames(const QList<QWidget*>& tabOrder) {
    // Each box and list is named by the caption beside it; buttons by their own text.
    m_commentaryBox->setAccessibleName(m_commentaryCaption->text());
    m_commentBox->setAccessibleName(m_commentsCaption->text());
    m_collectionList->setAccessibleName(m_collectionsCaption->text());
    m_pageList->setAccessibleName(u"ページの一覧"_s);
    m_stripShape->setAccessibleName(u"短冊"_s);
    m_prefaceColumn->setAccessibleDescription(u"前書"_s);
    m_verseColumn->setAccessibleDescription(u"句"_s);
    m_postscriptColumn->setAccessibleDescription(u"後書"_s);

    auto* keys = new PageKeys(this, m_pageList, m_commentBox);
    for (QWidget* control : tabOrder)
        control->installEventFilter(keys);
}

} // namespace yomiwa::viewer
