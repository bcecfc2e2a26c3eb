// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"
#include "socket/projector_finder.h"

namespace qm5 {

class PortDevices;
class PortSelector;
class PortSwitch;
class SerialControl;
class WarningBox;

/// The operator's choice of the device behind a port ("COM1 device…"). The port in use is
/// reopened on the device chosen at once; a device that does not open is neither used nor
/// remembered, and the device used before is opened again.
class DeviceChoice final : private FinderEvents {
  public:
    DeviceChoice(PanelPlatform& platform, SerialControl& serial, PortDevices& devices,
                 PortSwitch& portSwitch, PortSelector& portSelector, WarningBox& warnings);

    /// Why `device` cannot name a device at all, before any open is tried.
    static std::optional<std::string> refusal(std::string_view device);
    /// Uses the device the operator chose for `port`. Returns whether the port in use was
    /// reopened on it.
    bool use(int port, std::string_view picked);
    /// A device chosen is not open yet (a server still connecting).
    bool pending() const { return pending_.has_value(); }
    /// The port opened in the background: the device chosen, if any, is remembered.
    void onPortOpened();
    /// Says why the device chosen did not open and opens the one used before again.
    void keepDeviceBefore(const std::string& failure);
    /// The operator chose a port: a device still connecting is no longer awaited.
    void forget() { pending_.reset(); }
    /// The devices the dialog lists: every serial device present.
    static std::vector<FoundDevice> presentDevices();
    /// Asks `devices` whether a projector is there; `results` hears those that answered. A
    /// search still running for someone else ends unheard.
    void findProjectors(const std::vector<std::string>& devices, FindResults& results);
    void stopFinding(const FindResults& results);

  private:
    void onSearchDone(const std::vector<SearchAnswer>& answers) override;
    /// Opens the port on `device`, remembered once it is open; on failure, keepDeviceBefore.
    void tryDevice(int port, const std::string& device);
    void remember(int port, const std::string& device);

    PanelPlatform& platform_;
    SerialControl& serial_;
    PortDevices& devices_;
    PortSwitch& portSwitch_;
    PortSelector& portSelector_;
    WarningBox& warnings_;
    /// A device chosen, not yet open.
    struct Pending {
        int port;
        std::string device;
        std::string before;
        std::optional<std::string> chosenBefore;
    };
    std::optional<Pending> pending_;
    std::unique_ptr<ProjectorFinder> finder_;
    FindResults* findResults_ = nullptr;
};

}  // namespace qm5
