// SPDX-License-Identifier: MIT
#include <QApplication>

#include <cstdio>
#include <variant>

#include "app/command_line.h"
#include "app/commands.h"
#include "app/end_on_signals.h"
#include "app/qt_panel.h"
#include "app/send_command.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("qm5-control"));
    auto read = qm5::readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&read)) return *status;
    auto& commandLine = std::get<qm5::CommandLine>(read);

    if (commandLine.listCommands) {
        for (const qm5::Command& command : qm5::panelCommands()) {
            std::printf("%-4s %-30s %s\n", std::string(command.code).c_str(), command.name.c_str(),
                        command.label.c_str());
        }
        return 0;
    }
    if (commandLine.send) {
        const QCoreApplication app(argc, argv);
        return qm5::sendFromShell(*commandLine.send, commandLine.port,
                                  std::move(commandLine.devices), commandLine.logFile);
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();

    qm5::QtPanel panel(std::move(commandLine.devices));
    panel.window.setLabel(commandLine.label);
    const qm5::EndOnSignals endOnSignals(panel.controlPanel);
    panel.controlPanel.load();
    panel.logTraffic(commandLine.logFile);
    panel.window.show();
    return QApplication::exec();
}
