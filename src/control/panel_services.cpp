// SPDX-License-Identifier: MIT
#include "control/panel_services.h"

#include <QCoreApplication>

#include <cstdio>

namespace qm5 {

PanelServices::PanelServices(ControlPanel& panel, bool echoToStderr)
    : panel_(panel), echoToStderr_(echoToStderr) {
    panel.setExchangeListener(line_);
    panel.setPortInUseListener(static_cast<PortInUseListener&>(*this));
    scripts_.tellUnreachableTo(static_cast<ScriptsUnreachable&>(*this));
}

void PanelServices::joinBroker(BridgeSettings settings, const QString& label) {
    brokerNotices_ = std::make_unique<StderrNotices>(label);
    bridge_ = std::make_unique<MqttBridge>(std::move(settings), line_, powerPolling_, lampPolling_,
                                           *brokerNotices_);
    bridge_->start();
}

void PanelServices::leaveBroker() {
    if (bridge_) bridge_->stop();
}

void PanelServices::logTraffic(const QString& file) {
    if (file.isEmpty()) return;
    log_ = std::make_unique<TrafficLog>(file, static_cast<TrafficLogEvents&>(*this));
    if (const auto failure = log_->open()) {
        panel_.showWarning(
            QCoreApplication::translate("QtPanel", "%1; the panel goes on without a log.")
                .arg(QString::fromStdString(*failure))
                .toStdString());
        return;
    }
    panel_.setRecorder(*log_);
    line_.logTo(*log_);
}

void PanelServices::onPortInUse(int port, std::string_view device, bool open) {
    if (bridge_) bridge_->onPortInUse(port, device, open);
    if (open) {
        scripts_.serveScriptsFor(device);
    } else {
        scripts_.stopServing();
    }
}

void PanelServices::onScriptsUnreachable(const QString& why) {
    const QString text =
        QCoreApplication::translate("QtPanel", "Scripts cannot reach the panel: %1").arg(why);
    if (echoToStderr_) std::fprintf(stderr, "qm5-control: %s\n", qPrintable(text));
    panel_.showWarning(text.toStdString());
}

void PanelServices::onLogFailed(const std::string& why) {
    // A sentence's end is the language's: a full stop, or "。".
    panel_.showWarning(QCoreApplication::translate("QtPanel", "%1.")
                           .arg(QString::fromStdString(why))
                           .toStdString());
}

}  // namespace qm5
