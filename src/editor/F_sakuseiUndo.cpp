// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the entry list operations: each step keeps the window as it was before
// and after, so that the comments' origins come back with their entries.
#include "editor/F_sakusei.h"
#include "ui/BoxText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QUndoStack>

namespace yomiwa::editor {

namespace {

class EntryStep : public QUndoCommand {
public:
    EntryStep(F_sakusei& window, const QString& name, F_sakusei::View before, F_sakusei::View after)
        : QUndoCommand(name)
        , m_window(window)
        , m_before(std::move(before))
        , m_after(std::move(after)) {}
    void undo() override { m_window.Restore(m_before); }
    void redo() override {
        // The operation itself was the first redo.
        if (m_done)
            m_window.Restore(m_after);
        m_done = true;
    }

private:
    F_sakusei& m_window;
    F_sakusei::View m_before;
    F_sakusei::View m_after;
    bool m_done = false;
};

void ShowField(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

enum class UndoKind { None, Undo, Redo };

UndoKind UndoKeyKind(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (event->key() == Qt::Key_Z && mods == Qt::ControlModifier)
        return UndoKind::Undo;
    if ((event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (event->key() == Qt::Key_Y && mods == Qt::ControlModifier))
        return UndoKind::Redo;
    return UndoKind::None;
}

} // namespace

F_sakusei::View F_sakusei::Snapshot() const {
    QStringList rows;
    rows.reserve(m_entryList->count());
    for (int i = 0; i < m_entryList->count(); ++i)
        rows.append(m_entryList->item(i)->text());
    return {m_collection, m_origins, rows, ListIndex(), Fields(), ReadShownColours()};
}

void F_sakusei::Restore(const View& view) {
    m_collection = view.Collection;
    m_origins = view.EntryOrigins;
    m_quietList = true;
    m_entryList->clear();
    m_entryList->addItems(view.Rows);
    m_entryList->setCurrentRow(-1);
    m_quietList = false;
    if (view.Row >= 0)
        SelectRow(view.Row);
    ShowField(m_prefaceField, view.Shown.Preface);
    ShowField(m_verseField, view.Shown.Verse);
    ShowField(m_postscriptField, view.Shown.Postscript);
    ui::SetBoxText(m_commentaryBox, view.Shown.Commentary);
    ApplyShownColours(view.Colours);
}

void F_sakusei::Step(const QString& name, const std::function<void()>& operation) {
    View before = Snapshot();
    operation();
    View after = Snapshot();
    // A refusal, a No or a move at the end changed nothing: no step to undo.
    if (before.Collection == after.Collection && before.EntryOrigins == after.EntryOrigins &&
        before.Rows == after.Rows)
        return;
    m_undo->push(new EntryStep(*this, name, std::move(before), std::move(after)));
}

void F_sakusei::Undo() {
    m_undo->undo();
}

void F_sakusei::Redo() {
    m_undo->redo();
}

bool F_sakusei::UndoKey(QObject* focus, const QKeyEvent* event) {
    const UndoKind kind = UndoKeyKind(event);
    if (kind == UndoKind::None)
        return false;
    const bool undo = kind == UndoKind::Undo;
    if (auto* field = qobject_cast<QLineEdit*>(focus);
        field && !field->isReadOnly() &&
        (undo ? field->isUndoAvailable() : field->isRedoAvailable())) {
        undo ? field->undo() : field->redo();
        return true;
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(focus);
        box && !box->isReadOnly() &&
        (undo ? box->document()->isUndoAvailable() : box->document()->isRedoAvailable())) {
        undo ? box->undo() : box->redo();
        return true;
    }
    undo ? Undo() : Redo();
    return true;
}

void F_sakusei::keyPressEvent(QKeyEvent* event) {
    // The list and the buttons do nothing with these keys: they come to the window.
    if (UndoKey(nullptr, event))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace yomiwa::editor
