// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "link/qt_device.h"
#include "link/serial_control.h"

namespace qm5 {

/// The serial control on Qt: at each open, the device text chooses the kind of device, a serial
/// port by its path or a serial device server by rfc2217:// or socket://.
class QtSerialControl final : public SerialControl {
  public:
    explicit QtSerialControl(const PortDevices& devices);
    ~QtSerialControl() override;

  protected:
    bool deviceOpen() const override { return device_ && device_->isOpen(); }
    void openDevice(const std::string& path, const LineSettings& settings) override;
    void closeDevice() override;
    void applySettings(const LineSettings& settings) override;
    void writeDevice(std::string_view chars) override;
    std::string readDevice() override;

  private:
    std::unique_ptr<QtDevice> makeDevice(const std::string& device);

    std::unique_ptr<QtDevice> device_;
};

}  // namespace qm5
