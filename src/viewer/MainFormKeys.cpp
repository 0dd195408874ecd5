// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/MainForm.h"

#include "ui/Shapes.h"
#include "ui/StripColumn.h"
#include "ui/WheelNotches.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cstdlib>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Turn { None, Next, Previous, First, Last };

// Ctrl+PageDown and Ctrl+PageUp turn pages from anywhere, the comment box included.
Turn TurnFromAnywhere(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return Turn::None;
    if (key.key() == Qt::Key_PageDown)
        return Turn::Next;
    return key.key() == Qt::Key_PageUp ? Turn::Previous : Turn::None;
}

// What a key means to the page where no control needs it. Vertical text is read from right
// to left, so ← goes on and → goes back.
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

bool IsPageKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_PageDown || key.key() == Qt::Key_PageUp;
}

// Whether a box has nothing more to scroll towards the side a turn goes.
bool ScrolledToEnd(const QPlainTextEdit* box, Turn turn) {
    const QScrollBar* bar = box->verticalScrollBar();
    return turn == Turn::Next ? bar->value() >= bar->maximum() : bar->value() <= bar->minimum();
}

// The keys of every control, the strip and the window itself: the focused control keeps
// the keys it uses, and only what it cannot use turns the page.
class PageKeys : public QObject {
public:
    PageKeys(MainForm* form, QListWidget* collections, QListWidget* pages)
        : QObject(form)
        , m_form(form)
        , m_collections(collections)
        , m_pages(pages) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        // A key reaches the window when the control that had it let it pass: it is the
        // window's own only where no control has the focus.
        if (watched == m_form && IsControl(QApplication::focusWidget()))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F11 && key->modifiers() == Qt::NoModifier) {
            m_form->ReadingMode_Click();
            return true;
        }
        if (const Turn turn = TurnFromAnywhere(*key); turn != Turn::None)
            return TurnPage(turn);
        const Turn turn = TurnOf(*key);
        if (turn == Turn::None || watched == m_collections)
            return false;
        if (auto* box = qobject_cast<QPlainTextEdit*>(watched)) {
            if (!box->isReadOnly())
                return IsPageKey(*key) && ScrolledToEnd(box, turn) && TurnPage(turn);
            // A read-only box scrolls a screenful on PageDown and Space alike, and turns the
            // page once it has shown its end.
            if (IsPageKey(*key) || key->key() == Qt::Key_Space) {
                if (ScrolledToEnd(box, turn))
                    return TurnPage(turn);
                box->verticalScrollBar()->triggerAction(turn == Turn::Next
                                                            ? QAbstractSlider::SliderPageStepAdd
                                                            : QAbstractSlider::SliderPageStepSub);
                return true;
            }
            return TurnPage(turn);
        }
        // Space presses the button that has the focus.
        if (key->key() == Qt::Key_Space && qobject_cast<QAbstractButton*>(watched))
            return false;
        return TurnPage(turn);
    }

private:
    bool IsControl(const QWidget* widget) const {
        return qobject_cast<const QPlainTextEdit*>(widget) ||
               qobject_cast<const QListWidget*>(widget) ||
               qobject_cast<const QAbstractButton*>(widget);
    }

    bool TurnPage(Turn turn) {
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

    MainForm* m_form;
    QListWidget* m_collections;
    QListWidget* m_pages;
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

    // A click on the strip gives it the keys, outside the tab chain.
    m_stripShape->setFocusPolicy(Qt::ClickFocus);
    auto* keys = new PageKeys(this, m_collectionList, m_pageList);
    for (QWidget* control : tabOrder)
        control->installEventFilter(keys);
    m_stripShape->installEventFilter(keys);
    installEventFilter(keys);
}

bool MainForm::OverStrip(const QPoint& pos) const {
    return m_stripShape->geometry().contains(pos);
}

void MainForm::mousePressEvent(QMouseEvent* event) {
    if (!OverStrip(event->position().toPoint())) {
        event->ignore();
        return;
    }
    m_stripShape->setFocus(Qt::MouseFocusReason);
}

void MainForm::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!OverStrip(event->position().toPoint())) {
        event->ignore();
        return;
    }
    ReadingMode_Click();
}

void MainForm::wheelEvent(QWheelEvent* event) {
    if (!OverStrip(event->position().toPoint())) {
        event->ignore();
        return;
    }
    // One page per notch: every notch turns at once, so a burst of events skips nothing.
    const int notches = ui::WheelNotches(*event, m_wheelDelta);
    for (int i = 0; i < std::abs(notches); ++i)
        notches < 0 ? Command4_Click() : Command3_Click();
}

} // namespace yomiwa::viewer
