// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "devices/device.h"

namespace qm5::test {

class VirtualClock;

/// Devices in memory behind the serial control: records what is written and opened, and lets a
/// test deliver receptions and failures to the device open now.
class MemoryLine final : public DeviceMaker {
  public:
    struct Write {
        std::int64_t at;
        std::string chars;
    };

    explicit MemoryLine(const VirtualClock& clock) : clock_(clock) {}

    std::unique_ptr<Device> makeDevice(int port, const std::string& device,
                                       DeviceEvents& events) override;
    bool watchFor(const std::string& device, DeviceWatchEvents& events) override {
        watched_ = device;
        watch_ = &events;
        return device == missingAtLastOpen_;
    }
    void stopWatching() override {
        watched_.clear();
        watch_ = nullptr;
    }

    // What a test sets up.
    void setMissing(int port, bool missing) { mark(missing_, port, missing); }
    void setBusy(int port, bool busy) { mark(busy_, port, busy); }
    /// A device path that no port can open.
    void setMissingDevice(const std::string& path) { missingDevices_.insert(path); }
    void failWrites(bool fail) { failWrites_ = fail; }
    void failClose(bool fail) { failClose_ = fail; }
    /// Opens go on in the background, as a server's do, until finishOpen.
    void openLater(bool later) { openLater_ = later; }

    // What a test makes happen.
    void receive(std::string chars);
    void raiseEvent(LineEvent event);
    void loseDevice();
    /// Ends an open that went on in the background.
    void finishOpen(bool opened);
    /// The device watched for may be back: the watch tells once.
    void deviceBack() {
        if (watch_ != nullptr) std::exchange(watch_, nullptr)->onDeviceMayBeBack();
    }

    // What a test reads back.
    const std::vector<Write>& writes() const { return writes_; }
    std::vector<std::string> frames() const;
    const std::vector<int>& opens() const { return opens_; }
    const LineSettings& openedWith() const { return openedWith_; }
    int openPort() const { return open_ ? openPort_ : 0; }
    /// The device of the latest open.
    const std::string& openPath() const { return openPath_; }
    /// The device watched for now, if any.
    const std::string& watched() const { return watched_; }

  private:
    class MemoryDevice;

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
    std::set<std::string> missingDevices_;
    bool failWrites_ = false;
    bool failClose_ = false;
    bool openLater_ = false;
    bool open_ = false;
    int openPort_ = 0;
    std::string openPath_;
    std::string missingAtLastOpen_;
    LineSettings openedWith_;
    std::string unread_;
    std::vector<Write> writes_;
    std::vector<int> opens_;
    DeviceEvents* events_ = nullptr;
    std::string watched_;
    DeviceWatchEvents* watch_ = nullptr;
};

}  // namespace qm5::test
