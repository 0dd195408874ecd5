// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <ostream>

#include <gtest/gtest.h>

namespace yomiwa::test {

// Tests name a box's kind as Ok, YesNo or Notice.
using ui::MsgStyle;
using enum ui::MsgStyle;
// The title of the program's questions.
inline const QString Title = QStringLiteral("【Yomiwa】Ver.1.1");

// A message box as a test sees it: its prompt, style and title, and the answer Enter gives.
struct Message {
    QString Prompt = {};
    ui::MsgStyle Style = ui::MsgStyle::Ok;
    QString Title = {};
    ui::Dialogs::Answer Default = ui::Dialogs::Answer::Yes;
    bool operator==(const Message&) const = default;
};
void PrintTo(const Message& message, std::ostream* out);

// A named control of a window; a test fails when there is none.
template <typename T = QWidget> T* Control(const QObject* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// The password window's controls, for the tests that pass through it.
inline QLineEdit* PasswordField(const QWidget* pass) {
    return Control<QLineEdit>(pass, QStringLiteral("Text9"));
}
inline QPushButton* OkButton(const QWidget* pass) {
    return Control<QPushButton>(pass, QStringLiteral("Command1"));
}

// A Dialogs service for tests: records every message box, answers from a queue, and
// "shows a window modally" by running a queued callback that drives the window through
// its controls until it closes. Nothing ever blocks: an unexpected question or window is a
// test failure, answered with No (or the window rejected).
class ScriptedDialogs : public ui::Dialogs {
public:
    Answer MsgBox(QWidget* parent, const QString& prompt, MsgStyle style = MsgStyle::Ok,
                  const QString& title = {}, Answer defaultAnswer = Answer::Yes) override;
    std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) override;
    void ShowModal(QDialog* window) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    int Choose(QWidget* parent, const QString& caption, const QString& prompt,
               const QStringList& choices) override;
    // Draws what the preview shows into the PDF file PreviewTo and what is printed into
    // PrintTo, each when set.
    void PrintPreview(QWidget* parent, const std::function<void(QPrinter&)>& prepare,
                      const std::function<void(QPrinter&, ui::PaintFor)>& paint,
                      const QString& note = {}) override;
    // Records every step in ProgressSteps; cancels at step CancelAt.
    ui::Progress ShowProgress(QWidget* parent, const QString& label, int total,
                              bool cancellable) override;

    // Answers to Yes/No questions, in order.
    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
    // Colour dialog results, in order; nullopt is a cancel.
    void QueueColour(std::optional<QColor> colour) { m_colours.push_back(colour); }
    // What to do with the next modal window; the callback must close it.
    void QueueModal(std::function<void(QDialog*)> drive) { m_modals.push_back(std::move(drive)); }
    // Save dialog answers (an empty text is a cancel) and list choices (-1 a cancel).
    void QueueFileName(const QString& path) { m_fileNames.push_back(path); }
    void QueueChoice(int index) { m_choices.push_back(index); }

    QList<Message> Messages;
    QList<QString> ModalWindows; // objectName of every window shown modally
    int PrintPreviews = 0;
    QString PreviewTo, PrintTo, PreviewNote;
    QList<int> ProgressSteps;
    int CancelAt = -1;

    bool Idle() const {
        return m_answers.empty() && m_colours.empty() && m_modals.empty() && m_fileNames.empty() &&
               m_choices.empty();
    }

private:
    std::deque<Answer> m_answers;
    std::deque<std::optional<QColor>> m_colours;
    std::deque<std::function<void(QDialog*)>> m_modals;
    std::deque<QString> m_fileNames;
    std::deque<int> m_choices;
};

} // namespace yomiwa::test
