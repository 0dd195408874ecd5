// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StripText.h"

namespace yomiwa {

QString ToStripText(const QString& text) {
    QString result = text;
    result.replace(QChar(u'ー'), QChar(u'｜'));
    return result;
}

} // namespace yomiwa
