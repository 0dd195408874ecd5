// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/F_sakusei.h"

#include "ui/Shapes.h"
#include "ui/StripColumn.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

void F_sakusei::NameControls() {
    // Buttons and the colour frame are named by their own captions.
    m_titleField->setAccessibleName(m_collectionCaption->text());
    m_authorField->setAccessibleName(m_authorCaption->text());
    m_editionField->setAccessibleName(m_editionPrefixCaption->text() + u"　"_s +
                                      m_editionSuffixCaption->text());
    m_prefaceField->setAccessibleName(m_prefaceCaption->text());
    m_verseField->setAccessibleName(m_verseCaption->text());
    m_postscriptField->setAccessibleName(m_postscriptCaption->text());
    m_passwordField->setAccessibleName(m_passwordCaption->text());
    m_commentaryBox->setAccessibleName(u"解説・注釈"_s);
    m_helpBox->setAccessibleName(u"ヘルプ"_s);
    m_entryList->setAccessibleName(u"句の一覧"_s);
    m_stripShape->setAccessibleName(u"短冊"_s);
    m_countLabel->setAccessibleName(u"句の拍数"_s);
    m_prefaceColumn->setAccessibleDescription(m_prefaceCaption->text());
    m_verseColumn->setAccessibleDescription(m_verseCaption->text());
    m_postscriptColumn->setAccessibleDescription(m_postscriptCaption->text());
}

} // namespace yomiwa::editor
