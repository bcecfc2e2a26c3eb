// SPDX-License-Identifier: MIT
#include "devices/serial_port_device.h"
#include "core/escaped_name.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include "devices/canonical_device.h"
#include "devices/open_failure.h"

namespace qm5 {

namespace {

QSerialPort::Parity toQt(Parity parity) {
    switch (parity) {
        case Parity::Even:
            return QSerialPort::EvenParity;
        case Parity::Odd:
            return QSerialPort::OddParity;
        case Parity::Mark:
            return QSerialPort::MarkParity;
        case Parity::Space:
            return QSerialPort::SpaceParity;
        case Parity::None:
            break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(StopBits stopBits) {
    switch (stopBits) {
        case StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case StopBits::Two:
            return QSerialPort::TwoStop;
        case StopBits::One:
            break;
    }
    return QSerialPort::OneStop;
}

std::string gone() {
    return QCoreApplication::translate(
               "qm5::SerialPortDevice",
               "the device has gone away (unplugged, or closed at the far end).")
        .toStdString();
}

/// "rw-rw----", as `ls -l` shows it.
std::string modeText(QFileDevice::Permissions permissions) {
    constexpr QFileDevice::Permission kBits[] = {
        QFileDevice::ReadOwner, QFileDevice::WriteOwner, QFileDevice::ExeOwner,
        QFileDevice::ReadGroup, QFileDevice::WriteGroup, QFileDevice::ExeGroup,
        QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther};
    constexpr std::string_view kLetters = "rwxrwxrwx";
    std::string mode;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        mode += permissions.testFlag(kBits[i]) ? kLetters[i] : '-';
    }
    return mode;
}

}  // namespace

SerialPortDevice::SerialPortDevice(const std::string& path, DeviceEvents& events)
    : path_(path), events_(events) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPortDevice::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPortDevice::onError);
}

void SerialPortDevice::onReadyRead() {
    events_.onLineReport(LineEvent::Received);
}

bool SerialPortDevice::open(const LineSettings& settings) {
    // Qt reads a name as UTF-8 and would open another one, or none.
    if (!isValidUtf8(path_)) {
        throw DeviceFailure{tr("the name is not valid UTF-8, and Qt opens only names that are: "
                               "name the device by a link whose name is.")
                                .toStdString(),
                            false, Failure::BadAddress};
    }
    // By path: pseudo-terminals and adapters are not always listed as serial ports.
    port_.setPortName(canonicalDevice(path_));
    // QSerialPort holds the line in exclusive mode (TIOCEXCL) while it is open: another program,
    // or a search, sees it taken.
    if (!port_.open(QIODevice::ReadWrite)) throw explainOpenFailure();
    try {
        apply(settings);
    } catch (const DeviceFailure&) {
        port_.close();
        throw;
    }
    // Bytes from before the open would be taken for the first reply.
    port_.clear(QSerialPort::Input);
    return true;
}

void SerialPortDevice::apply(const LineSettings& settings) {
    const bool applied = port_.setBaudRate(settings.baudRate) &&
                         port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                         port_.setParity(toQt(settings.parity)) &&
                         port_.setStopBits(toQt(settings.stopBits)) &&
                         port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        throw DeviceFailure{
            tr("the line settings were refused (%1).").arg(port_.errorString()).toStdString()};
    }
}

void SerialPortDevice::write(std::string_view chars) {
    // Closed by onError, whose report of the loss is still on its way: the loss is the news.
    if (!port_.isOpen()) throw DeviceFailure{gone(), true};
    const auto size = static_cast<qint64>(chars.size());
    port_.clearError();
    writing_ = true;
    const qint64 queued = port_.write(chars.data(), size);
    // Hands the whole frame to the device in one write now, not on the next pass of the loop.
    port_.flush();
    writing_ = false;
    const QSerialPort::SerialPortError error = port_.error();
    const bool away = error == QSerialPort::ResourceError || error == QSerialPort::WriteError;
    if (queued == size && !away) return;
    if (away) port_.close();
    throw DeviceFailure{away ? gone() : tr("the frame could not be sent.").toStdString(), away};
}

void SerialPortDevice::onError(QSerialPort::SerialPortError error) {
    // A failed write is reported by write itself.
    if (writing_ || !port_.isOpen()) return;
    // Qt reports a vanished device as a stream of read errors until the port is closed.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
    port_.close();
    // Reported from the event loop, not from inside the port's own notification.
    QMetaObject::invokeMethod(this, &SerialPortDevice::reportLost, Qt::QueuedConnection);
}

void SerialPortDevice::reportLost() {
    events_.onDeviceLost(gone());
}

DeviceFailure SerialPortDevice::explainOpenFailure() const {
    const QString path = QString::fromStdString(path_);
    const QFileInfo file(path);
    const QSerialPort::SerialPortError error = port_.error();
    OpenFailure failure = OpenFailure::Other;
    if (!file.exists() || error == QSerialPort::DeviceNotFoundError) {
        // The names the system gives a plugged-in adapter; any other is more likely a typo.
        static const QRegularExpression adapter(
            QStringLiteral("^/dev/(tty(USB|ACM)\\d+|serial/by-(id|path)/.+)$"));
        failure = adapter.match(path).hasMatch() ? OpenFailure::Missing : OpenFailure::NoSuchName;
    } else if (file.isDir() || file.isFile()) {
        failure = OpenFailure::NotSerial;
    } else if (error == QSerialPort::PermissionError) {
        failure = OpenFailure::Refused;
    }
    const DeviceFile access{file.isReadable() && file.isWritable(), file.owner().toStdString(),
                            file.group().toStdString(), modeText(file.permissions()), path_};
    return {openFailureReason(failure, access, qEnvironmentVariable("USER").toStdString(),
                              port_.errorString().toStdString()),
            false, failureOf(failure, access)};
}

}  // namespace qm5
