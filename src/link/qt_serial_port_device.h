// SPDX-License-Identifier: MIT
#pragma once

#include <QSerialPort>

#include "link/qt_device.h"

namespace qm5 {

/// A serial port on this machine, opened by path with exclusive access.
class QtSerialPortDevice final : public QtDevice {
  public:
    QtSerialPortDevice(const std::string& path, Events events);

    void open(const LineSettings& settings) override;
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    void apply(const LineSettings& settings) override;
    void write(std::string_view chars) override;
    std::string readAll() override { return port_.readAll().toStdString(); }

  private:
    void onError(QSerialPort::SerialPortError error);
    std::string explainOpenFailure() const;

    std::string path_;
    Events events_;
    QSerialPort port_;
    bool writing_ = false;
};

}  // namespace qm5
