// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <variant>

#include "app/bridge_settings.h"
#include "app/command_line.h"
#include "app/quiet_runtime_folder.h"
#include "app/translations.h"
#include "devices/network_device.h"
#include "shell/find_command.h"
#include "shell/send_command.h"
#include "shell/shell_output.h"
#include "system/descriptors.h"
#include "system/end_on_signals.h"
#include "system/replace_process.h"
#include "ui/fonts.h"
#include "window/qt_panel.h"

namespace {

/// Qt waits at exit for a name lookup still running, as long as a silent resolver takes (19 s
/// measured). Everything is written and closed by now: such an exit does not wait for it.
int endingUnheld(int status) {
    if (!qm5::NetworkDevice::lookupMayRun()) return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

/// --send, --send-raw and --until: what the shell sends, and where.
qm5::ShellSend shellSendOf(qm5::CommandLine commandLine) {
    qm5::ShellSend send;
    send.port = commandLine.port;
    send.devices = std::move(commandLine.devices);
    if (commandLine.send) send.code = std::string(commandLine.send->code);
    send.rawText = std::move(commandLine.sendRaw);
    send.until = commandLine.until;
    send.json = commandLine.json;
    send.logFile = commandLine.logFile;
    return send;
}

/// The panel in its window, until it ends; returns the exit status.
int runWindow(int argc, char* argv[], qm5::Translations& translations,
              qm5::CommandLine commandLine) {
    QApplication app(argc, argv);
    translations.install();
    auto broker = qm5::bridgeSettings(commandLine);
    if (const QString* why = std::get_if<QString>(&broker)) {
        std::fprintf(stderr, "qm5-control: %s\n", qPrintable(*why));
        return 2;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Wayland's app id: the desktop finds the entry, its icon and its name by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qm5_control.panel"));
    qm5::installFontSubstitutes();

    int status = 0;
    {
        qm5::QtPanel panel(std::move(commandLine.devices));
        panel.window.setLabel(commandLine.label);
        const qm5::EndOnSignals endOnSignals(panel.controlPanel);
        if (auto& settings = std::get<0>(broker))
            panel.services.joinBroker(std::move(*settings), commandLine.label);
        panel.controlPanel.load();
        panel.services.logTraffic(commandLine.logFile);
        panel.window.show();
        status = QApplication::exec();
        panel.services.leaveBroker();
    }
    // Before the application goes: its end waits for a name lookup still running.
    return endingUnheld(status);
}

/// --serve: the service's own program, which loads no Qt Gui, takes this process's place.
int runService(char* argv[]) {
    const QString dir = QCoreApplication::applicationDirPath();
    // Beside this program in the build, under libexec once installed.
    QString program = dir + QStringLiteral("/qm5-control-service");
    if (!QFileInfo(program).isExecutable()) {
        program = dir + QStringLiteral("/../libexec/qm5-control/qm5-control-service");
    }
    const QString why = qm5::replaceProcessBy(program, argv);
    //: %1 is the program's path, %2 the system's reason.
    std::fprintf(stderr, "qm5-control: %s\n",
                 qPrintable(QCoreApplication::translate("Service", "%1 cannot be started: %2.")
                                .arg(QDir::cleanPath(program), why)));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("qm5-control"));
    qm5::quietRuntimeFolderNotices();
    qm5::raiseDescriptorLimit();
    qm5::Translations translations;
    std::variant<qm5::CommandLine, int> read;
    {
        // --help and the command line's messages in the user's language; a translator needs an
        // application, and which one the program needs is known only once the line is read.
        // Named as --help names the program, whatever path started it.
        char name[] = "qm5-control";
        char* nameOnly[] = {name, nullptr};
        int one = 1;
        const QCoreApplication reading(one, nameOnly);
        translations.install();
        read = qm5::readCommandLine(argc, argv);
    }
    if (const int* status = std::get_if<int>(&read)) return *status;
    auto& commandLine = std::get<qm5::CommandLine>(read);

    using Mode = qm5::CommandLine::Mode;
    switch (commandLine.mode) {
        case Mode::ListCommands:
            return qm5::ShellOutput(commandLine.json).printCommands();
        case Mode::Find: {
            const QCoreApplication app(argc, argv);
            translations.install();
            return endingUnheld(qm5::findFromShell(std::move(commandLine.findDevices),
                                                   commandLine.json, commandLine.logFile));
        }
        case Mode::Send:
        case Mode::Until: {
            const QCoreApplication app(argc, argv);
            translations.install();
            return endingUnheld(qm5::sendFromShell(shellSendOf(std::move(commandLine))));
        }
        case Mode::Window:
            return runWindow(argc, argv, translations, std::move(commandLine));
        case Mode::Serve: {
            const QCoreApplication app(argc, argv);
            translations.install();
            return runService(argv);
        }
    }
    return 1;
}
