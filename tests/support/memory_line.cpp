// SPDX-License-Identifier: MIT
#include "support/memory_line.h"

#include "core/serial_error.h"
#include "link/port_devices.h"
#include "support/virtual_clock.h"

namespace qm5::test {

/// The device of one open; the line keeps what it records.
class MemoryLine::MemoryDevice final : public Device {
  public:
    MemoryDevice(MemoryLine& line, int port, std::string path)
        : line_(line), port_(port), path_(std::move(path)) {}

    bool open(const LineSettings& settings) override {
        const std::string name = portLabel(port_) + " (" + path_ + ")";
        line_.missingAtLastOpen_.clear();
        if (line_.missing_.contains(port_) || line_.missingDevices_.contains(path_)) {
            line_.missingAtLastOpen_ = path_;
            throw SerialError(name + ": no such device");
        }
        if (line_.busy_.contains(port_)) throw SerialError(name + ": in use");
        line_.opens_.push_back(port_);
        line_.openedWith_ = settings;
        line_.openPath_ = path_;
        if (line_.openLater_) return false;
        line_.open_ = true;
        line_.openPort_ = port_;
        return true;
    }
    void close() override {
        if (line_.failClose_)
            throw SerialError(portLabel(port_) + " (" + path_ + "): close failed");
        line_.open_ = false;
    }
    bool isOpen() const override { return line_.open_; }
    void apply(const LineSettings& settings) override { line_.openedWith_ = settings; }
    void write(std::string_view chars) override {
        if (line_.failWrites_) throw DeviceFailure{"write failed"};
        line_.writes_.push_back({line_.clock_.now(), std::string(chars)});
    }
    std::string readAll() override { return std::exchange(line_.unread_, {}); }

  private:
    MemoryLine& line_;
    int port_;
    std::string path_;
};

std::unique_ptr<Device> MemoryLine::makeDevice(int port, const std::string& device,
                                               DeviceEvents& events) {
    events_ = &events;
    return std::make_unique<MemoryDevice>(*this, port, device);
}

void MemoryLine::receive(std::string chars) {
    unread_ += chars;
    raiseEvent(LineEvent::Received);
}

void MemoryLine::raiseEvent(LineEvent event) {
    if (events_ != nullptr) events_->onLineReport(event);
}

void MemoryLine::loseDevice() {
    open_ = false;
    if (events_ != nullptr) events_->onDeviceLost("gone.");
}

void MemoryLine::finishOpen(bool opened) {
    if (events_ == nullptr) return;
    if (!opened) {
        events_->onOpenFailed("no answer.");
        return;
    }
    open_ = true;
    openPort_ = opens_.back();
    events_->onDeviceOpened();
}

std::vector<std::string> MemoryLine::frames() const {
    std::vector<std::string> frames;
    for (const Write& write : writes_) frames.push_back(write.chars);
    return frames;
}

}  // namespace qm5::test
