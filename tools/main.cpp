// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ToolCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Starting Qt's windowing looks for a sandbox marker in the runtime folder and, where
// XDG_RUNTIME_DIR is unset, says so on stderr: a notice about the session, not about the
// tool's work. While the application starts, that notice is dropped and any other message
// is printed as Qt prints it.
void WithoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    const QByteArray text =
        (qFormatLogMessage(type, context, message) + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stderr);
}

} // namespace

// yomiwa-tool: collections and comments files to JSON and back, and strip pages to PDF and
// PNG, for scripts and backups.
int main(int argc, char** argv) {
    // Drawing strips needs fonts and the window's palette, but never a display.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "render") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(WithoutRuntimeFolderNotice);
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    qInstallMessageHandler(nullptr);
    namespace tool = yomiwa::tool;
    const yomiwa::Result<tool::ToolOutput> run =
        tool::RunTool(QCoreApplication::arguments().mid(1));
    const QByteArray out = run.ok() ? run.value().Out : QByteArray();
    const QString notes = run.ok() ? run.value().Notes : run.error();
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    if (!notes.isEmpty()) {
        const QByteArray error = tool::ConsoleText(notes);
        std::fwrite(error.constData(), 1, std::size_t(error.size()), stderr);
    }
    return std::fflush(stdout) == 0 ? tool::ExitCodeOf(run) : tool::ExitRefused;
}
