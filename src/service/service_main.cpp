// SPDX-License-Identifier: MIT
// What qm5-control --serve runs: the panel without a window, in a program that loads neither Qt
// Gui nor its widgets.
#include <QCoreApplication>

#include <cstdio>
#include <optional>
#include <variant>

#include "app/bridge_settings.h"
#include "app/command_line.h"
#include "app/quiet_runtime_folder.h"
#include "app/translations.h"
#include "service/service_panel.h"
#include "service/service_settings.h"
#include "system/descriptors.h"
#include "system/end_on_signals.h"

namespace {

int serve(const qm5::CommandLine& commandLine, std::optional<qm5::BridgeSettings> broker) {
    qm5::ServicePanel panel(commandLine.devices, commandLine.label);
    // Under systemd: the unit's runtime folder, which its group may reach.
    const QString runtime =
        qEnvironmentVariable("RUNTIME_DIRECTORY").section(QLatin1Char(':'), 0, 0);
    if (!runtime.isEmpty()) panel.services.scripts().serveIn(runtime);
    const qm5::EndOnSignals endOnSignals(panel.controlPanel);
    if (broker) panel.services.joinBroker(std::move(*broker), commandLine.label);
    panel.controlPanel.load(commandLine.port);
    panel.services.logTraffic(commandLine.logFile);
    const int status = QCoreApplication::exec();
    panel.services.leaveBroker();
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("qm5-control"));
    qm5::quietRuntimeFolderNotices();
    qm5::raiseDescriptorLimit();
    qm5::Translations translations;
    const QCoreApplication app(argc, argv);
    translations.install();
    auto read = qm5::readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&read)) return *status;
    auto& commandLine = std::get<qm5::CommandLine>(read);
    const auto refuse = [](const QString& why) {
        std::fprintf(stderr, "qm5-control: %s\n", qPrintable(why));
        return 2;
    };
    if (commandLine.mode != qm5::CommandLine::Mode::Serve) {
        return refuse(
            QCoreApplication::translate("Service", "this program only serves: give --serve."));
    }
    if (const auto failure = qm5::readServiceSettings(commandLine)) return refuse(*failure);
    auto broker = qm5::bridgeSettings(commandLine);
    if (const QString* why = std::get_if<QString>(&broker)) return refuse(*why);
    return serve(commandLine, std::move(std::get<0>(broker)));
}
