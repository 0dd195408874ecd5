// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace yomiwa::tool {

enum ExitCode : int {
    ExitOk = 0,
    ExitRefused = 1, // a file was refused, or a search found nothing
    ExitUsage = 2,   // bad arguments or bad JSON
};

// What a command that ran prints.
struct ToolOutput {
    QByteArray Out;            // for standard output, UTF-8
    QString Notes;             // for standard error: the files a search could not read
    bool FoundNothing = false; // a search without a hit, which ends with ExitRefused
};

QString UsageText();

// Runs one command; `arguments` without the program's name. A failure is Usage, its message
// ending with the usage text, or the kind and message of what refused the command.
Result<ToolOutput> RunTool(const QStringList& arguments);

// The failure of bad arguments or bad JSON: the reason, then the usage text.
Result<ToolOutput> UsageError(const QString& reason);

int ExitCodeOf(const Result<ToolOutput>& run);

// A message for the console: UTF-8, every line break (CR LF or CR) a newline, ending in one.
QByteArray ConsoleText(const QString& message);

} // namespace yomiwa::tool
