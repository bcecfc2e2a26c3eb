// SPDX-License-Identifier: MIT
#pragma once

#include <QSerialPort>

#include "link/serial_control.h"

namespace qm5 {

/// The serial control on a QSerialPort. Opens the device by path with exclusive access.
class QtSerialControl final : public SerialControl {
  public:
    explicit QtSerialControl(const PortDevices& devices);

  protected:
    bool deviceOpen() const override { return port_.isOpen(); }
    void openDevice(const std::string& path, const LineSettings& settings) override;
    void closeDevice() override;
    void applySettings(const LineSettings& settings) override;
    void writeDevice(std::string_view chars) override;
    std::string readDevice() override;

  private:
    void onError(QSerialPort::SerialPortError error);
    std::string explainOpenFailure(const std::string& path) const;

    QSerialPort port_;
    bool writing_ = false;
};

}  // namespace qm5
