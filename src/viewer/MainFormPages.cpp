#include "viewer/MainForm.h"

#include "model/PageList.h"
#include "ui/BoxText.h"
#include "ui/ColourValues.h"
#include "ui/Shapes.h"
#include "ui/StripColumn.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

void MainForm::StoreShownComment() {
    const int row = m_shownPage;
    if (row < 0 || row >= m_list1->count())
        return; // no page on display: the box holds no page's comment
    m_comments[PageOfRow(m_pageRows, row, m_kushu.KuCount()).Entry] = ui::BoxText(m_text2);
}

void MainForm::List1_Click() {
    const int row = m_list1->currentRow();
    if (row < 0)
        return;
    // While a collection opens, the box still holds the previous collection's comment,
    // which has been dealt with already.
    if (!m_opening) {
        StoreShownComment();
        m_shownPage = row;
    }
    ShowPage(row);
}

void MainForm::ShowPage(int row) {
    const Kushu& kushu = m_kushu;
    const auto [entry, kind] = PageOfRow(m_pageRows, row, kushu.KuCount());
    const KuEntry& page = kushu.Entries.at(entry);

    if (kind != EntryKind::Ku) {
        ui::SetBoxText(m_text1, page.Commentary);
        m_label1->SetText(KindName(kind));
        m_label2->SetText({});
        m_label3->SetText({});
    } else {
        m_label2->SetText(page.Preface);
        m_label1->SetText(page.Verse);
        m_label3->SetText(page.Postscript);
        ui::SetBoxText(m_text1, page.Commentary);
    }
    ApplyColours(page.Colours);
    m_text2->setReadOnly(false);
    ui::SetBoxText(m_text2, m_comments.at(entry));
    // On a verse the reader can write at once; a special page leaves the focus alone.
    if (kind == EntryKind::Ku)
        m_text2->setFocus();
}

void MainForm::ShowNoPage() {
    for (ui::StripColumn* strip : {m_label1, m_label2, m_label3})
        strip->SetText({});
    m_text1->clear();
    m_text2->clear();
    m_text2->setReadOnly(true);
    ApplyColours(DesignColours());
}

void MainForm::ApplyColours(const ColourSet& colours) {
    ui::SetBackColour(this, colours[WholeBack]);
    m_shape1->SetFillColour(colours[StripFill]);
    m_shape1->SetBorderColour(colours[StripBorder]);
    ui::SetForeColour(m_label2, colours[PrefaceFore]);
    ui::SetForeColour(m_label3, colours[PostscriptFore]);
    ui::SetForeColour(m_label1, colours[VerseFore]);
    ui::SetBackColour(m_text1, colours[NoteBack]);
    ui::SetForeColour(m_text1, colours[NoteFore]);
    for (QLabel* label : {m_label5, m_label7}) {
        ui::SetBackColour(label, colours[TitleBack]);
        ui::SetForeColour(label, colours[TitleFore]);
    }
    for (QLabel* label : {m_label4, m_label6, m_label8, m_label12, m_label13})
        ui::SetForeColour(label, colours[CaptionFore]);
}

void MainForm::Command3_Click() {
    const int row = m_list1->currentRow();
    if (row > 0)
        m_list1->setCurrentRow(row - 1);
}

void MainForm::Command4_Click() {
    const int row = m_list1->currentRow();
    if (row < m_list1->count() - 1)
        m_list1->setCurrentRow(row + 1);
}

} // namespace yomiwa::viewer
