// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPlainTextEdit;

namespace yomiwa::ui {

// The program keeps CR LF between the lines of a commentary or a comment, as the files
// do; a multi-line box keeps paragraphs. These two are the only crossing between them,
// and a text crosses both ways unchanged: a lone LF (an ordinary character in the files)
// becomes a line separator in the box and comes back as LF.
void SetBoxText(QPlainTextEdit* box, const QString& text);
QString BoxText(const QPlainTextEdit* box);

} // namespace yomiwa::ui
