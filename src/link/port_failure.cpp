// SPDX-License-Identifier: MIT
#include "link/port_failure.h"
#include "core/escaped_name.h"

#include <QCoreApplication>

#include <variant>

#include "devices/device_address.h"
#include "link/port_devices.h"

namespace qm5 {

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("OpenFailure", text).toStdString();
}

/// Adds a sentence: after a space, or at the start of the line that a command's line left.
void append(std::string& text, std::string_view sentence) {
    if (!text.ends_with('\n')) text += ' ';
    text += sentence;
}

}  // namespace

std::string deviceName(int port, std::string_view device) {
    return portLabel(port) + " (" + escapedName(device) + ")";
}

std::string describeOpenFailure(int port, const std::string& device, std::string_view reason,
                                DeviceChooser chooser) {
    std::string text = deviceName(port, device) + ": " + std::string(reason);
    if (std::holds_alternative<NetworkAddress>(parseDevice(device))) {
        append(text, translated(QT_TRANSLATE_NOOP(
                         "OpenFailure",
                         "Check the server's address and port, that the server runs, and the "
                         "network.")));
    }
    QString advice;
    switch (chooser) {
        case DeviceChooser::Panel:
            advice = QCoreApplication::translate("OpenFailure",
                                                 "Right-click COM to choose the device for %1.")
                         .arg(QString::fromStdString(portLabel(port)));
            break;
        case DeviceChooser::CommandLine:
            advice = QCoreApplication::translate("OpenFailure", "Name another device with --com%1.")
                         .arg(port);
            break;
        case DeviceChooser::Service:
            advice = QCoreApplication::translate(
                         "OpenFailure",
                         "Name another device with --com%1 or in the service's settings file.")
                         .arg(port);
            break;
    }
    append(text, advice.toStdString());
    return text;
}

}  // namespace qm5
