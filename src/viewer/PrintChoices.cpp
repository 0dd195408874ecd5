// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/PrintChoices.h"

#include "print/PageSelection.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

namespace {
template <typename Control> Control* Named(Control* control, const char16_t* name) {
    control->setObjectName(QString::fromUtf16(name));
    return control;
}
} // namespace

PrintChoices::PrintChoices(QWidget* parent, ui::Dialogs& dialogs, const QString& caption,
                           const Kushu& kushu, const QStringList& rows, int current)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_rows(rows)
    , m_kuCount(kushu.KuCount())
    , m_current(current) {
    setObjectName(u"PrintChoices"_s);
    setWindowTitle(caption);
    m_shown =
        Named(new QRadioButton(u"表示中のページ（%1）"_s.arg(current + 1), this), u"ShownPage");
    m_all = Named(new QRadioButton(u"すべてのページ（%1ページ）"_s.arg(rows.size()), this),
                  u"AllPages");
    auto* some = Named(new QRadioButton(u"ページを指定："_s, this), u"SomePages");
    m_range = Named(new QLineEdit(this), u"PageRange");
    m_range->setPlaceholderText(u"例：2-5,8"_s);
    m_shown->setChecked(true);
    // Typing pages chooses them.
    connect(m_range, &QLineEdit::textEdited, some, [some] { some->setChecked(true); });
    auto* group = new QButtonGroup(this);
    for (QRadioButton* choice : {m_shown, m_all, some})
        group->addButton(choice);
    m_versesOnly =
        Named(new QCheckBox(u"句のページだけ（序・跋・プロフィール・奥付を除く）"_s, this),
              u"VersesOnly");
    m_signed = Named(new QCheckBox(u"句の短冊の下に作者名（%1）を入れる"_s.arg(kushu.Author), this),
                     u"Signed");
    m_signed->setEnabled(!kushu.Author.isEmpty());
    m_paper = Named(new QComboBox(this), u"Paper");
    for (const print::SheetLayout layout : print::AllLayouts)
        m_paper->addItem(print::CaptionOf(layout));

    auto* pages = new QGridLayout;
    pages->addWidget(m_shown, 0, 0, 1, 2);
    pages->addWidget(m_all, 1, 0, 1, 2);
    pages->addWidget(some, 2, 0);
    pages->addWidget(m_range, 2, 1);
    auto* form = new QFormLayout(this);
    form->addRow(u"ページ"_s, pages);
    form->addRow(QString(), m_versesOnly);
    form->addRow(QString(), m_signed);
    form->addRow(u"用紙と並べ方"_s, m_paper);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"キャンセル"_s);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { AcceptIfValid(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PrintChoices::AcceptIfValid() {
    const int count = int(m_rows.size());
    QList<int> pages;
    if (m_shown->isChecked()) {
        pages = {m_current};
    } else if (m_all->isChecked()) {
        for (int row = 0; row < count; ++row)
            pages.append(row);
    } else {
        const Result<QList<int>> typed = print::ParsePages(m_range->text(), count);
        if (!typed.ok()) {
            m_dialogs.MsgBox(this, typed.error());
            m_range->setFocus();
            return;
        }
        pages = typed.value();
    }
    if (m_versesOnly->isChecked())
        pages = print::VersesOnly(pages, m_rows, m_kuCount);
    if (pages.isEmpty()) {
        m_dialogs.MsgBox(this, u"選んだページには句のページがありません。"_s);
        return;
    }
    m_job = {pages, print::AllLayouts[m_paper->currentIndex()],
             m_signed->isEnabled() && m_signed->isChecked()};
    accept();
}

} // namespace yomiwa::viewer
