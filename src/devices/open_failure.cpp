// SPDX-License-Identifier: MIT
#include "devices/open_failure.h"

#include <QCoreApplication>

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

}  // namespace qm5
