// SPDX-License-Identifier: MIT
#include "link/qt_serial_control.h"

#include <QFileInfo>

#include "link/open_failure.h"

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

constexpr const char* kGone = ": the device has gone away (unplugged, or closed at the far end).";

}  // namespace

QtSerialControl::QtSerialControl(const PortDevices& devices) : SerialControl(devices) {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_,
                     [this] { raiseEvent(kReceiveEvent); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

void QtSerialControl::openDevice(const std::string& path, const LineSettings& settings) {
    // By path: pseudo-terminals and adapters are not always listed as serial ports.
    port_.setPortName(QString::fromStdString(path));
    if (!port_.open(QIODevice::ReadWrite)) throw SerialError(explainOpenFailure(path));
    try {
        applySettings(settings);
    } catch (const SerialError&) {
        port_.close();
        throw;
    }
    // Bytes from before the open would be taken for the first reply.
    port_.clear(QSerialPort::Input);
}

void QtSerialControl::closeDevice() {
    port_.close();
}

void QtSerialControl::applySettings(const LineSettings& settings) {
    const bool applied = port_.setBaudRate(settings.baudRate) &&
                         port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                         port_.setParity(toQt(settings.parity)) &&
                         port_.setStopBits(toQt(settings.stopBits)) &&
                         port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        throw SerialError(deviceName() + ": the line settings were refused (" +
                          port_.errorString().toStdString() + ").");
    }
}

void QtSerialControl::writeDevice(std::string_view chars) {
    const auto size = static_cast<qint64>(chars.size());
    port_.clearError();
    writing_ = true;
    const qint64 queued = port_.write(chars.data(), size);
    // Hands the whole frame to the device in one write now, not on the next pass of the loop.
    port_.flush();
    writing_ = false;
    const QSerialPort::SerialPortError error = port_.error();
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::WriteError;
    if (queued == size && !gone) return;
    if (gone) port_.close();
    throw SerialError(deviceName() + (gone ? kGone : ": the frame could not be sent."));
}

std::string QtSerialControl::readDevice() {
    return port_.readAll().toStdString();
}

void QtSerialControl::onError(QSerialPort::SerialPortError error) {
    // A failed write is reported by writeDevice itself.
    if (writing_ || !port_.isOpen()) return;
    // Qt reports a vanished device as a stream of read errors until the port is closed.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
    port_.close();
    // Reported from the event loop, not from inside the port's own notification.
    QMetaObject::invokeMethod(
        &port_, [this, lost = SerialError(deviceName() + kGone)] { raiseDeviceLost(lost); },
        Qt::QueuedConnection);
}

std::string QtSerialControl::explainOpenFailure(const std::string& path) const {
    const QFileInfo file(QString::fromStdString(path));
    const QSerialPort::SerialPortError error = port_.error();
    OpenFailure failure = OpenFailure::Other;
    if (!file.exists() || error == QSerialPort::DeviceNotFoundError) {
        failure = OpenFailure::Missing;
    } else if (file.isDir() || file.isFile()) {
        failure = OpenFailure::NotSerial;
    } else if (error == QSerialPort::PermissionError) {
        failure = OpenFailure::Refused;
    }
    return describeOpenFailure(deviceName(), portNumber(), failure,
                               file.isReadable() && file.isWritable(),
                               port_.errorString().toStdString());
}

}  // namespace qm5
