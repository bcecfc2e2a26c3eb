// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "link/serial_control.h"

namespace qm5::test {

class VirtualClock;

/// A serial control without a device: records what is written and opened, and lets a test
/// deliver receptions and failures.
class MemorySerialControl final : public SerialControl {
  public:
    struct Write {
        std::int64_t at;
        std::string chars;
    };

    MemorySerialControl(const VirtualClock& clock, const PortDevices& devices)
        : SerialControl(devices), clock_(clock) {}

    // What a test sets up.
    void setMissing(int port, bool missing) { mark(missing_, port, missing); }
    void setBusy(int port, bool busy) { mark(busy_, port, busy); }
    void failWrites(bool fail) { failWrites_ = fail; }
    void failClose(bool fail) { failClose_ = fail; }

    // What a test makes happen.
    void receive(std::string chars);
    void raiseOtherEvent(std::int16_t event) { raiseEvent(event); }
    void loseDevice();

    // What a test reads back.
    const std::vector<Write>& writes() const { return writes_; }
    std::vector<std::string> frames() const;
    const std::vector<int>& opens() const { return opens_; }
    const LineSettings& openedWith() const { return openedWith_; }
    int openPort() const { return open_ ? openPort_ : 0; }
    /// The device of the latest open.
    const std::string& openPath() const { return openPath_; }

  protected:
    bool deviceOpen() const override { return open_; }
    void openDevice(const std::string& path, const LineSettings& settings) override;
    void closeDevice() override;
    void applySettings(const LineSettings& settings) override { openedWith_ = settings; }
    void writeDevice(std::string_view chars) override;
    std::string readDevice() override;

  private:
    static void mark(std::set<int>& ports, int port, bool on) {
        if (on) {
            ports.insert(port);
        } else {
            ports.erase(port);
        }
    }

    const VirtualClock& clock_;
    std::set<int> missing_;
    std::set<int> busy_;
    bool failWrites_ = false;
    bool failClose_ = false;
    bool open_ = false;
    int openPort_ = 0;
    std::string openPath_;
    LineSettings openedWith_;
    std::string unread_;
    std::vector<Write> writes_;
    std::vector<int> opens_;
};

}  // namespace qm5::test
