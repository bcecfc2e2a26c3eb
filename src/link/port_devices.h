// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>

namespace qm5 {

/// Where the operator's choice of device for each port is kept between runs.
class DeviceMemory {
  public:
    virtual ~DeviceMemory() = default;

    /// Nothing when no device is remembered for the port, or the store cannot be read.
    virtual std::optional<std::string> recall(int port) const = 0;
    /// Returns why the choice could not be kept, if it could not.
    virtual std::optional<std::string> remember(int port, const std::string& device) = 0;
};

/// The device that port 1 and port 2 mean: the one place that decides it.
///
/// For each port the first that names a device: a choice made during this run, the command line,
/// the environment (QM5_COM1, QM5_COM2), the remembered choice, the platform's own port.
class PortDevices {
  public:
    using PerPort = std::array<std::optional<std::string>, 2>;

    /// Reads the environment now; `commandLine` holds --com1 and --com2.
    explicit PortDevices(DeviceMemory& memory, PerPort commandLine = {});

    std::string deviceFor(int port) const;
    /// Uses `device` for the port for the rest of the run and remembers it. Returns why it
    /// could not be remembered, if it could not.
    std::optional<std::string> choose(int port, const std::string& device);
    /// The device chosen for the port during this run, if any.
    std::optional<std::string> chosen(int port) const;
    /// Uses `device` for the port for the rest of the run without remembering it; nothing gives
    /// the port back to what the other sources name.
    void use(int port, std::optional<std::string> device);

  private:
    DeviceMemory& memory_;
    PerPort chosen_;
    PerPort commandLine_;
    PerPort environment_;
};

/// The platform's own serial port of that number: /dev/ttyS0 for 1 on Linux, COM1 on Windows.
std::string platformDevice(int port);

/// "COM1", "COM2", ...: how the operator knows the port.
std::string portLabel(int port);

}  // namespace qm5
