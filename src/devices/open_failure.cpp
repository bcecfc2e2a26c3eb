// SPDX-License-Identifier: MIT
#include "devices/open_failure.h"

#include <QCoreApplication>

namespace qm5 {

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("OpenFailure", text).toStdString();
}

std::string permissionDenied(const DeviceFile& file, std::string_view user) {
    const QString who = QString::fromStdString(user.empty() ? "\"$USER\"" : std::string(user));
    const QString group = QString::fromStdString(file.group);
    // The group may read and write it ("rw-rw----"): its members may open it.
    if (file.mode.size() == 9 && file.mode.substr(3, 2) == "rw") {
        // On a line of its own, so that a box never breaks it and a copied line runs.
        //: %1 is the device's group, %2 a shell command line; keep it as it is.
        return QCoreApplication::translate("OpenFailure",
                                           "permission denied. Add the user to the %1 group "
                                           "with this command and log in again:\n%2\n")
            .arg(group, QStringLiteral("sudo usermod -aG %1 %2").arg(group, who))
            .toStdString();
    }
    //: %1 is the device's owner, %2 its mode (rw-------), %3 its group, %4 the user, %5 a shell
    //: command line; keep it as it is.
    return QCoreApplication::translate(
               "OpenFailure",
               "permission denied: only %1 may use it (mode %2, group %3), and %4 may not. "
               "This command gives it to %4 until it is plugged in again (a udev rule makes "
               "that last):\n%5\n")
        .arg(QString::fromStdString(file.owner), QString::fromStdString(file.mode), group, who,
             QStringLiteral("sudo chown %1 %2").arg(who, QString::fromStdString(file.path)))
        .toStdString();
}

}  // namespace

std::string openFailureReason(OpenFailure failure, const DeviceFile& file, std::string_view user,
                              std::string_view detail) {
    switch (failure) {
        case OpenFailure::Missing:
            return translated(
                QT_TRANSLATE_NOOP("OpenFailure", "no such device. Plug in the adapter."));
        case OpenFailure::NoSuchName:
            return translated(QT_TRANSLATE_NOOP("OpenFailure", "no such device: check the name."));
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

Failure failureOf(OpenFailure failure, const DeviceFile& file) {
    switch (failure) {
        case OpenFailure::Missing:
        case OpenFailure::NoSuchName:
            return Failure::Missing;
        case OpenFailure::NotSerial:
            return Failure::BadAddress;
        case OpenFailure::Refused:
            return file.userMayReadWrite ? Failure::Busy : Failure::Forbidden;
        case OpenFailure::Other:
            break;
    }
    return Failure::Unreachable;
}

}  // namespace qm5
