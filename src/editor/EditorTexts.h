#pragma once

#include <QString>

namespace yomiwa::editor {

// The program's name and version as window captions and confirmations show it.
inline QString ProgramTitle() {
    return QStringLiteral("【Yomiwa】Ver.1.1");
}

} // namespace yomiwa::editor
