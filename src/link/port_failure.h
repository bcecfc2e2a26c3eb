// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5 {

/// "COM1 (/dev/ttyS0)": how descriptions name the device of a port.
std::string deviceName(int port, std::string_view device);

/// Where the operator chooses another device, in whose terms the advice is given.
enum class DeviceChooser {
    /// The panel: a right-click on COM.
    Panel,
    /// The command line: --com1 or --com2.
    CommandLine,
    /// The service: --com1 or --com2, or its settings file.
    Service,
};

/// What the operator is told when port `port` will not open `device`: which device, why, what to
/// check of a server on the network, and how to choose another there.
std::string describeOpenFailure(int port, const std::string& device, std::string_view reason,
                                DeviceChooser chooser);

}  // namespace qm5
