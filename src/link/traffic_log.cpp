// SPDX-License-Identifier: MIT
#include "link/traffic_log.h"
#include "core/escaped_name.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <optional>

#include "core/monitor_text.h"

namespace qm5 {

namespace {

std::string now() {
    return QDateTime::currentDateTime()
        .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
        .toString(Qt::ISODateWithMs)
        .toStdString();
}

std::string noReplyLine(std::string_view time, std::string_view port, std::string_view device,
                        int timeoutMs) {
    return std::string(time) + " " + std::string(port) + " " + escapedName(device) +
           " TIMEOUT no reply within " + std::to_string(timeoutMs) + " ms\n";
}

/// Opens `file` for appending; returns why it cannot be. Only a regular file, or none yet, is
/// taken: opening a FIFO waits for a reader (the program would hang there), and a device is no log.
std::optional<QString> openForAppending(QFile& file) {
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("TrafficLog", "not a regular file");
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return std::nullopt;
    return file.errorString();
}

}  // namespace

TrafficLog::TrafficLog(const QString& path, TrafficLogEvents& events)
    : file_(path), events_(events) {}

std::optional<std::string> TrafficLog::open() {
    const auto why = openForAppending(file_);
    if (!why) return std::nullopt;
    failed_ = true;
    return QCoreApplication::translate("TrafficLog", "%1 cannot be opened for the traffic log (%2)")
        .arg(file_.fileName(), *why)
        .toStdString();
}

std::string TrafficLog::line(std::string_view time, Direction direction, std::string_view port,
                             std::string_view device, std::string_view chars) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = std::string(time) + " " + std::string(port) + " " + escapedName(device) +
                      (direction == Direction::Sent ? " TX \"" : " RX \"") + monitorText(chars) +
                      "\"";
    for (const char c : chars) {
        const auto byte = static_cast<unsigned char>(c);
        out += ' ';
        out += kHex[byte >> 4U];
        out += kHex[byte & 0x0FU];
    }
    return out + "\n";
}

void TrafficLog::record(Direction direction, std::string_view port, std::string_view device,
                        std::string_view chars) {
    if (failed_ || !file_.isOpen()) return;
    append(line(now(), direction, port, device, chars));
}

void TrafficLog::recordNoReply(std::string_view port, std::string_view device, int timeoutMs) {
    if (failed_ || !file_.isOpen()) return;
    append(noReplyLine(now(), port, device, timeoutMs));
}

void TrafficLog::append(const std::string& text) {
    if (!stillAtPath()) {
        file_.close();
        if (const auto why = openForAppending(file_)) {
            fail(*why);
            return;
        }
    }
    // Written through at once: a log is read when something went wrong, the program too.
    if (file_.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file_.flush()) {
        fail(file_.errorString());
    }
}

bool TrafficLog::stillAtPath() const {
    // The system's own name for the file open: its new name once renamed, marked once removed.
    const QFileInfo open(QStringLiteral("/proc/self/fd/%1").arg(file_.handle()));
    return open.symLinkTarget() == QFileInfo(file_.fileName()).canonicalFilePath();
}

void TrafficLog::fail(const QString& why) {
    failed_ = true;
    file_.close();
    events_.onLogFailed(
        QCoreApplication::translate(
            "TrafficLog", "%1 can no longer be written (%2); the traffic is not logged from now on")
            .arg(file_.fileName(), why)
            .toStdString());
}

}  // namespace qm5
