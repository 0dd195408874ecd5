#include "ScriptedDialogs.h"

#include <QDialog>
#include <QPrinter>

#include <gtest/gtest.h>

namespace yomiwa::test {

ui::Dialogs::Answer ScriptedDialogs::MsgBox(QWidget*, const QString& prompt, MsgStyle style,
                                            const QString& title) {
    Messages.append({prompt, style, title});
    if (style != MsgStyle::YesNo)
        return Answer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << prompt.toStdString();
        return Answer::No;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QColor> ScriptedDialogs::PickColour(QWidget*, const QColor& initial) {
    ColourDialogInitials.append(initial);
    if (m_colours.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const std::optional<QColor> colour = m_colours.front();
    m_colours.pop_front();
    return colour;
}

void ScriptedDialogs::ShowModal(QDialog* window) {
    ModalWindows.append(window->objectName());
    if (m_modals.empty()) {
        ADD_FAILURE() << "unexpected modal window " << window->objectName().toStdString();
        window->reject();
        return;
    }
    const std::function<void(QDialog*)> drive = std::move(m_modals.front());
    m_modals.pop_front();
    window->show();
    drive(window);
    if (window->isVisible()) {
        ADD_FAILURE() << "modal window " << window->objectName().toStdString() << " was left open";
        window->reject();
    }
}

namespace {
template <typename T> T Next(std::deque<T>& queue, T cancel, const char* what) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return cancel;
    }
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
}
} // namespace

QString ScriptedDialogs::SaveFileName(QWidget*, const QString&, const QString&, const QString&) {
    return Next(m_fileNames, QString(), "save dialog");
}

int ScriptedDialogs::Choose(QWidget*, const QString&, const QString&, const QStringList&) {
    return Next(m_choices, -1, "choice");
}

void ScriptedDialogs::PrintPreview(QWidget*, const std::function<void(QPrinter&)>& prepare,
                                   const std::function<void(QPrinter&)>& paint) {
    ++PrintPreviews;
    if (PrintTo.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintTo);
    prepare(printer);
    paint(printer);
}

QStringList ScriptedDialogs::Said() const {
    QStringList all;
    for (const Message& m : Messages)
        all.append(Box(m.Prompt, m.Style, m.Title));
    return all;
}

} // namespace yomiwa::test
