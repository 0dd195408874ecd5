// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoxText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace yomiwa::ui {

void SetBoxText(QPlainTextEdit* box, const QString& text) {
    QString boxText;
    boxText.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            // CR LF, and a lone CR, which the files read back as CR LF, are paragraph ends.
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            boxText += QChar::ParagraphSeparator;
        } else if (c == u'\n') {
            boxText += QChar::LineSeparator;
        } else {
            boxText += c;
        }
    }
    box->setPlainText(boxText);
}

QString BoxText(const QPlainTextEdit* box) {
    const QString raw = box->document()->toRawText();
    QString text;
    text.reserve(raw.size() + raw.size() / 8);
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator)
            text += QStringLiteral("\r\n");
        else if (c == QChar::LineSeparator)
            text += u'\n';
        else
            text += c;
    }
    return text;
}

} // namespace yomiwa::ui
