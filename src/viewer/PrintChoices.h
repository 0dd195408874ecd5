// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "print/ExportFiles.h"
#include "ui/Dialogs.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace yomiwa::viewer {

// What the reader chooses before printing or writing a PDF: the page on display, every page
// or the pages typed as "2-5,8" (numbers of the page list); the verses only; the author's
// name at the foot of each verse strip; the paper, with the scale of its strips. OK with a
// range that cannot be read, or that leaves no page, says why and keeps the window open.
// Controls by objectName: ShownPage, AllPages, SomePages, PageRange, VersesOnly, Signed,
// Paper, and the button box's OK and Cancel.
class PrintChoices : public QDialog {
    Q_OBJECT
public:
    PrintChoices(QWidget* parent, ui::Dialogs& dialogs, const QString& caption, const Kushu& kushu,
                 const QStringList& rows, int current);

    // The pages and paper chosen, once the window was accepted.
    const print::PrintJob& Job() const { return m_job; }

private:
    void AcceptIfValid();

    ui::Dialogs& m_dialogs;
    QStringList m_rows;
    int m_kuCount;
    int m_current;
    QRadioButton* m_shown;
    QRadioButton* m_all;
    QLineEdit* m_range;
    QCheckBox* m_versesOnly;
    QCheckBox* m_signed;
    QComboBox* m_paper;
    print::PrintJob m_job;
};

} // namespace yomiwa::viewer
