// SPDX-License-Identifier: MIT
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <variant>

#include "app/command_line.h"
#include "app/commands.h"
#include "app/end_on_signals.h"
#include "app/find_command.h"
#include "app/qt_panel.h"
#include "app/send_command.h"
#include "app/translations.h"
#include "link/network_device.h"
#include "ui/fonts.h"

namespace {

/// Qt waits at exit for a name lookup still running, as long as a silent resolver takes (19 s
/// measured). Everything is written and closed by now: such an exit does not wait for it.
int endingUnheld(int status) {
    if (!qm5::NetworkDevice::lookupMayRun()) return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("qm5-control"));
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

    if (commandLine.listCommands) return qm5::ShellOutput(commandLine.json).printCommands();
    if (commandLine.find || commandLine.send || commandLine.sendRaw || commandLine.until) {
        const QCoreApplication app(argc, argv);
        translations.install();
        return endingUnheld(commandLine.find
                                ? qm5::findFromShell(std::move(commandLine.findDevices),
                                                     commandLine.json, commandLine.logFile)
                                : qm5::sendFromShell(commandLine));
    }

    QApplication app(argc, argv);
    translations.install();
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Wayland's app id: the desktop finds the entry, its icon and its name by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qm5_control.panel"));
    qm5::installFontSubstitutes();

    int status = 0;
    {
        qm5::QtPanel panel(std::move(commandLine.devices));
        panel.window.setLabel(commandLine.label);
        const qm5::EndOnSignals endOnSignals(panel.controlPanel);
        panel.controlPanel.load();
        panel.logTraffic(commandLine.logFile);
        panel.window.show();
        status = QApplication::exec();
    }
    return endingUnheld(status);
}
