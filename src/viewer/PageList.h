#pragma once

#include "Kushu.h"

#include <QString>
#include <QStringList>

namespace yomiwa::viewer {

// The rows of the reading window's page list: "序" when its page has content, every verse
// in order, then "跋", "プロフィール" and "奥付" under the same rule.
QStringList PageRows(const Kushu& kushu);

} // namespace yomiwa::viewer
