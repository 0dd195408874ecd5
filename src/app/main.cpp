// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolderChoice.h"
#include "app/CommandLine.h"
#include "app/Desktop.h"
#include "app/HandOver.h"
#include "app/InstanceChannel.h"
#include "app/SingleInstance.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "viewer/MainForm.h"

#include <QApplication>

#include <cstdio>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

// A second start gives up on the running Yomiwa after this long and starts as usual.
constexpr int HandOverTimeoutMs = 1500;

// Whether Qt has a display to start on: without one, QApplication aborts the process.
bool DisplayAvailable(const QStringList& arguments) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    return arguments.contains(u"-platform"_s) || arguments.contains(u"--platform"_s);
}

int Print(const app::CommandLine& line) {
    const QByteArray text = line.Output.toLocal8Bit();
    std::fputs(text.constData(), line.ExitCode() == 0 ? stdout : stderr);
    return line.ExitCode();
}

} // namespace

int main(int argc, char** argv) {
    // --help, --version and a wrong file name are answered without a display. An unknown
    // option may be one of Qt's own (-platform, -style): QApplication takes those out first,
    // where there is a display for it to start on; without one, no option could help.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    app::CommandLine line = app::ParseCommandLine(arguments, QStringLiteral(YOMIWA_VERSION));
    if (line.What != app::CommandLine::Action::Run &&
        (!line.UnknownOption || !DisplayAvailable(arguments)))
        return Print(line);

    QApplication application(argc, argv);
    if (line.UnknownOption) {
        line = app::ParseCommandLine(QCoreApplication::arguments(), QStringLiteral(YOMIWA_VERSION));
        if (line.What != app::CommandLine::Action::Run)
            return Print(line);
    }
    // The data folder is ~/.local/share/yomiwa, with no organisation folder above it.
    QCoreApplication::setOrganizationName({});
    QCoreApplication::setApplicationName(u"yomiwa"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(YOMIWA_VERSION));
    QGuiApplication::setDesktopFileName(app::DesktopId());
    QApplication::setWindowIcon(app::AppIcon());
    app::InstallQtTranslations(application);

    const QString executableFolder = QCoreApplication::applicationDirPath();
    const app::FolderChoice folder =
        app::ChooseAppFolder(executableFolder, app::InstalledSamplesFolder(executableFolder));
    const QString channel = app::ChannelName(folder.Folder);
    if (!line.File.isEmpty() && app::HandOver(channel, line.File, HandOverTimeoutMs))
        return 0;

    // A folder where no lock can be made cannot tell another instance either: the reader
    // may still read.
    app::SingleInstanceLock lock(folder.Folder);
    const bool anotherRuns = !lock.TryLock() && lock.HeldByAnother();

    SharedState state;
    ui::QtDialogs dialogs;
    viewer::MainForm form(state, dialogs);
    using enum viewer::MainForm::OtherInstance;
    if (!form.Form_Load(folder.Folder, anotherRuns ? Running : None))
        return 0;
    app::InstanceServer server;
    if (const Status listening = server.Listen(channel); !listening.ok())
        std::fputs(qPrintable(listening.error() + u'\n'), stderr);
    QObject::connect(&server, &app::InstanceServer::FileRequested, &form,
                     [&form](const QString& path) { app::OpenHandedOver(form, path); });
    form.show();
    if (!folder.Writable.ok())
        dialogs.MsgBox(&form, folder.Writable.error(), ui::MsgStyle::Notice);
    if (!line.File.isEmpty())
        form.OpenCollectionFile(line.File);
    return application.exec();
}
