#include "ToolCommands.h"

#include <QCoreApplication>

#include <cstdio>

// yomiwa-tool: collections and comments files to JSON and back, for scripts and backups.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const yomiwa::tool::ToolResult result =
        yomiwa::tool::RunTool(QCoreApplication::arguments().mid(1));
    std::fwrite(result.Out.constData(), 1, std::size_t(result.Out.size()), stdout);
    if (!result.Error.isEmpty()) {
        const QByteArray error = yomiwa::tool::ConsoleText(result.Error);
        std::fwrite(error.constData(), 1, std::size_t(error.size()), stderr);
    }
    return std::fflush(stdout) == 0 ? result.Exit : yomiwa::tool::ExitRefused;
}
