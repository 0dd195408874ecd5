// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ScriptedDialogs.h"

#include <QDialog>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace yomiwa::test {

namespace {
// The next queued answer; an unexpected dialog is a test failure, answered with `cancel`.
template <typename T> T Next(std::deque<T>& queue, T cancel, const QString& what) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what.toStdString();
        return cancel;
    }
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
}
} // namespace

ui::Dialogs::Answer ScriptedDialogs::MsgBox(QWidget*, const QString& prompt, MsgStyle style,
                                            const QString& title, Answer defaultAnswer) {
    Messages.append({prompt, style, title, defaultAnswer});
    return style == MsgStyle::YesNo ? Next(m_answers, Answer::No, u"question: "_s + prompt)
                                    : Answer::Ok;
}

std::optional<QColor> ScriptedDialogs::PickColour(QWidget*, const QColor&) {
    return Next(m_colours, std::optional<QColor>(), u"colour dialog"_s);
}

void ScriptedDialogs::ShowModal(QDialog* window) {
    ModalWindows.append(window->objectName());
    const auto drive =
        Next(m_modals, std::function<void(QDialog*)>(), u"modal window "_s + window->objectName());
    if (drive) {
        window->show();
        drive(window);
    }
    if (window->isVisible()) {
        ADD_FAILURE() << "modal window " << window->objectName().toStdString() << " was left open";
        window->reject();
    }
}

QString ScriptedDialogs::SaveFileName(QWidget*, const QString&, const QString&, const QString&) {
    return Next(m_fileNames, QString(), u"save dialog"_s);
}

QString ScriptedDialogs::OpenFileName(QWidget*, const QString&, const QString&) {
    return Next(m_fileNames, QString(), u"open dialog"_s);
}

int ScriptedDialogs::Choose(QWidget*, const QString&, const QString&, const QStringList&) {
    return Next(m_choices, -1, u"choice"_s);
}

void ScriptedDialogs::PrintPreview(QWidget*, const std::function<void(QPrinter&)>& prepare,
                                   const std::function<void(QPrinter&, ui::PaintFor)>& paint,
                                   const QString& note) {
    ++PrintPreviews;
    PreviewNote = note;
    for (const auto& [file, purpose] :
         {std::pair{PreviewTo, ui::PaintFor::Preview}, {PrintTo, ui::PaintFor::Printing}}) {
        if (file.isEmpty())
            continue;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        prepare(printer);
        paint(printer, purpose);
    }
}

ui::Progress ScriptedDialogs::ShowProgress(QWidget*, const QString&, int, bool) {
    return [this](int done) {
        ProgressSteps.append(done);
        return CancelAt < 0 || done < CancelAt;
    };
}

void PrintTo(const Message& m, std::ostream* out) {
    *out << '"' << m.Prompt.toStdString() << "\" style " << int(m.Style) << " title \""
         << m.Title.toStdString() << "\" default " << int(m.Default);
}

} // namespace yomiwa::test
