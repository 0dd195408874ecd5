// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace yomiwa::ui {

// The kinds of message box: an OK button, Yes and No, a notice with one button. The
// numbers are the platform's own style codes.
enum class MsgStyle { Ok = 0, YesNo = 4, Notice = 8 };

// The program's name and version, as window captions and confirmations show it.
QString ProgramTitle();

// A long task's progress as the reader sees it: told how many steps are done, it answers
// false once the reader has cancelled.
using Progress = std::function<bool(int done)>;

// What a print preview's pages are drawn for: the preview, or the printer.
enum class PaintFor { Preview, Printing };

// Every message box, colour dialog and modal window goes through this service, so that
// tests can script the answers and read what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    enum class Answer { Ok, Yes, No };

    // A modal message box. An empty title shows the program's own, "Yomiwa". A question
    // whose Yes throws work away makes No the default, the answer Enter gives.
    virtual Answer MsgBox(QWidget* parent, const QString& prompt, MsgStyle style = MsgStyle::Ok,
                          const QString& title = {}, Answer defaultAnswer = Answer::Yes) = 0;

    // The colour dialog; nullopt when it was cancelled.
    virtual std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) = 0;

    // Shows a window modally and returns when it has closed.
    virtual void ShowModal(QDialog* window) = 0;

    // The platform's save dialog: the chosen file name, or the empty text when cancelled.
    // `filter` names the kind of file ("PDF (*.pdf)").
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter);
    // The platform's open dialog: the chosen file, or the empty text when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter);
    // One of `choices`, picked from a list; -1 when cancelled.
    virtual int Choose(QWidget* parent, const QString& caption, const QString& prompt,
                       const QStringList& choices);
    // A print preview: `prepare` sets the printer's paper, `paint` draws the pages whenever
    // the preview or the printing needs them, told which; `note`, unless empty, stands above
    // the pages. The reader prints from the preview.
    virtual void PrintPreview(QWidget* parent, const std::function<void(QPrinter&)>& prepare,
                              const std::function<void(QPrinter&, PaintFor)>& paint,
                              const QString& note = {});
    // The progress of a task of `total` steps, in a window over `parent` that shows if the
    // task takes a while, with a Cancel button when `cancellable`; the window closes when
    // the returned function goes.
    virtual Progress ShowProgress(QWidget* parent, const QString& label, int total,
                                  bool cancellable);
};

// The real thing: QMessageBox, QColorDialog, QDialog::exec().
class QtDialogs : public Dialogs {
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
    void PrintPreview(QWidget* parent, const std::function<void(QPrinter&)>& prepare,
                      const std::function<void(QPrinter&, PaintFor)>& paint,
                      const QString& note = {}) override;
    Progress ShowProgress(QWidget* parent, const QString& label, int total,
                          bool cancellable) override;
};

// The title of a message box given no title of its own.
QString DefaultMessageTitle();

} // namespace yomiwa::ui
