// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (row < 0 || row >= m_pageList->count())
        return; // no page on display: the box holds no page's comment
    m_comments[PageOfRow(m_pageRows, row, m_collection.KuCount()).Entry] =
        ui::BoxText(m_commentBox);
}

search::OpenComments MainForm::CommentsAsTyped() const {
    if (!m_collectionOpen)
        return {};
    QStringList comments = m_comments;
    const int row = m_shownPage;
    if (row >= 0 && row < m_pageList->count()) {
        const int entry = RowToEntry(row, m_pageList->item(row)->text(),
                                     m_pageList->item(0)->text(), m_collection.KuCount());
        comments[entry] = ui::BoxText(m_commentBox);
    }
    return {m_openPath, comments};
}

void MainForm::List1_Click() {
    const int row = m_pageList->currentRow();
    if (row < 0)
        return;
    // While a collection opens, the box still holds the previous collection's comment,
    // which has been dealt with already.
    if (!m_opening) {
        StoreShownComment();
        m_shownPage = row;
    }
    ShowPage(row);
    ShowOnReadingScreen();
}

void MainForm::ShowPage(int row) {
    const Kushu& kushu = m_collection;
    const auto [entry, kind] = PageOfRow(m_pageRows, row, kushu.KuCount());
    const KuEntry& page = kushu.Entries.at(entry);

    if (kind != EntryKind::Ku) {
        ui::SetBoxText(m_commentaryBox, page.Commentary);
        m_verseColumn->SetText(KindName(kind));
        m_prefaceColumn->SetText({});
        m_postscriptColumn->SetText({});
    } else {
        m_prefaceColumn->SetText(page.Preface);
        m_verseColumn->SetText(page.Verse);
        m_postscriptColumn->SetText(page.Postscript);
        ui::SetBoxText(m_commentaryBox, page.Commentary);
    }
    ApplyColours(page.Colours);
    m_commentBox->setReadOnly(false);
    ui::SetBoxText(m_commentBox, m_comments.at(entry));
    // On a verse the reader can write at once; a special page leaves the focus alone.
    if (kind == EntryKind::Ku)
        m_commentBox->setFocus();
}

void MainForm::ShowNoPage() {
    for (ui::StripColumn* strip : {m_verseColumn, m_prefaceColumn, m_postscriptColumn})
        strip->SetText({});
    m_commentaryBox->clear();
    m_commentBox->clear();
    m_commentBox->setReadOnly(true);
    ApplyColours(DesignColours());
}

void MainForm::ApplyColours(const ColourSet& colours) {
    ui::SetBackColour(this, colours[WholeBack]);
    m_stripShape->SetFillColour(colours[StripFill]);
    m_stripShape->SetBorderColour(colours[StripBorder]);
    ui::SetForeColour(m_prefaceColumn, colours[PrefaceFore]);
    ui::SetForeColour(m_postscriptColumn, colours[PostscriptFore]);
    ui::SetForeColour(m_verseColumn, colours[VerseFore]);
    ui::SetBackColour(m_commentaryBox, colours[NoteBack]);
    ui::SetForeColour(m_commentaryBox, colours[NoteFore]);
    for (QLabel* label : {m_titleLabel, m_authorLabel}) {
        ui::SetBackColour(label, colours[TitleBack]);
        ui::SetForeColour(label, colours[TitleFore]);
    }
    for (QLabel* label : {m_collectionCaption, m_authorCaption, m_editionLabel, m_commentaryCaption,
                          m_commentsCaption})
        ui::SetForeColour(label, colours[CaptionFore]);
}

void MainForm::Command3_Click() {
    const int row = m_pageList->currentRow();
    if (row > 0)
        m_pageList->setCurrentRow(row - 1);
}

void MainForm::Command4_Click() {
    const int row = m_pageList->currentRow();
    if (row < m_pageList->count() - 1)
        m_pageList->setCurrentRow(row + 1);
}

} // namespace yomiwa::viewer
