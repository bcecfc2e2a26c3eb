// SPDX-License-Identifier: MIT
#include "link/open_failure.h"

#include <QCoreApplication>

#include <variant>

#include "link/device_address.h"
#include "link/port_devices.h"

namespace qm5 {

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("OpenFailure", text).toStdString();
}

std::string permissionDenied(const DeviceFile& file, std::string_view user) {
    if (file.group == "dialout") {
        // On a line of its own, so that a box never breaks it and a copied line runs.
        return QCoreApplication::translate("OpenFailure",
                                           "permission denied. Add the user to the dialout group "
                                           "with this command and log in again:\n%1\n")
            .arg(QStringLiteral("sudo usermod -aG dialout ") +
                 QString::fromStdString(user.empty() ? "\"$USER\"" : std::string(user)))
            .toStdString();
    }
    return QCoreApplication::translate(
               "OpenFailure",
               "permission denied (owner %1, group %2, mode %3): the user needs read and write "
               "access to it.")
        .arg(QString::fromStdString(file.owner), QString::fromStdString(file.group),
             QString::fromStdString(file.mode))
        .toStdString();
}

/// Adds a sentence: after a space, or at the start of the line that a command's line left.
void append(std::string& text, std::string_view sentence) {
    if (!text.ends_with('\n')) text += ' ';
    text += sentence;
}

}  // namespace

std::string openFailureReason(OpenFailure failure, const DeviceFile& file, std::string_view user,
                              std::string_view detail) {
    switch (failure) {
        case OpenFailure::Missing:
            return translated(
                QT_TRANSLATE_NOOP("OpenFailure", "no such device. Plug in the adapter."));
        case OpenFailure::NotSerial:
            return translated(QT_TRANSLATE_NOOP("OpenFailure", "not a serial device."));
        case OpenFailure::Refused:
            if (file.userMayReadWrite) {
                return translated(QT_TRANSLATE_NOOP(
                    "OpenFailure", "in use by another program (or another copy of this one)."));
            }
            return permissionDenied(file, user);
        case OpenFailure::Other:
            break;
    }
    return QCoreApplication::translate("OpenFailure", "cannot be opened (%1).")
        .arg(QString::fromStdString(std::string(detail)))
        .toStdString();
}

std::string deviceName(int port, std::string_view device) {
    return portLabel(port) + " (" + std::string(device) + ")";
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
    const QString advice =
        chooser == DeviceChooser::Panel
            ? QCoreApplication::translate("OpenFailure",
                                          "Right-click COM to choose the device for %1.")
                  .arg(QString::fromStdString(portLabel(port)))
            : QCoreApplication::translate("OpenFailure", "Name another device with --com%1.")
                  .arg(port);
    append(text, advice.toStdString());
    return text;
}

}  // namespace qm5
