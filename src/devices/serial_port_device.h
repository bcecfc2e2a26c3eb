// SPDX-License-Identifier: MIT
#pragma once

#include <QSerialPort>

#include "devices/device.h"

namespace qm5 {

/// A serial port on this machine, opened by path with exclusive access.
class SerialPortDevice final : public QObject, public Device {
    Q_OBJECT

  public:
    SerialPortDevice(const std::string& path, DeviceEvents& events);

    bool open(const LineSettings& settings) override;
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    void apply(const LineSettings& settings) override;
    void write(std::string_view chars) override;
    std::string readAll() override { return port_.readAll().toStdString(); }

  private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void reportLost();
    DeviceFailure explainOpenFailure() const;

    std::string path_;
    DeviceEvents& events_;
    QSerialPort port_;
    bool writing_ = false;
};

}  // namespace qm5
