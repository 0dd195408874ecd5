#include "ToolCommands.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>

// yomiwa-tool: collections and comments files to JSON and back, and strip pages to PDF and
// PNG, for scripts and backups.
int main(int argc, char** argv) {
    // Drawing strips needs fonts and the window's palette, but never a display.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "render") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    const yomiwa::tool::ToolResult result =
        yomiwa::tool::RunTool(QCoreApplication::arguments().mid(1));
    std::fwrite(result.Out.constData(), 1, std::size_t(result.Out.size()), stdout);
    if (!result.Error.isEmpty()) {
        const QByteArray error = yomiwa::tool::ConsoleText(result.Error);
        std::fwrite(error.constData(), 1, std::size_t(error.size()), stderr);
    }
    return std::fflush(stdout) == 0 ? result.Exit : yomiwa::tool::ExitRefused;
}
