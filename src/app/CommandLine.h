// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace yomiwa::app {

// What the command line asks for: `yomiwa [FILE]`, `--help`, `--version`.
struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action What = Action::Run;
    // The collection to open, as an absolute path; empty when none was named.
    QString File;
    // The text to print: the help or version on stdout, or the fault and the usage on stderr.
    QString Output;
    // An option this parser does not know, which may be one of Qt's own (-platform, -style):
    // decide again once QApplication has taken its own out.
    bool UnknownOption = false;

    int ExitCode() const { return What == Action::Usage ? 2 : 0; }
};

// `arguments` as in QCoreApplication::arguments(), the program's name first.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& version);

} // namespace yomiwa::app
