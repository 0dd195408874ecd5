#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace yomiwa::tool {

enum ExitCode : int {
    ExitOk = 0,
    ExitRefused = 1, // a file was refused; Error is the program's own message
    ExitUsage = 2,   // bad arguments or bad JSON; Error ends with the usage text
};

struct ToolResult {
    int Exit = ExitOk;
    QByteArray Out; // for standard output, UTF-8
    QString Error;  // for standard error
};

QString UsageText();

// Runs one command; `arguments` without the program's name.
ToolResult RunTool(const QStringList& arguments);

// A message for the console: UTF-8, every line break (CR LF or CR) a newline, ending in one.
QByteArray ConsoleText(const QString& message);

} // namespace yomiwa::tool
