// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace qm5 {

/// A serial device server on the network: rfc2217://HOST:PORT (Telnet with the COM Port Control
/// Option, which sets the line) or socket://HOST:PORT (raw TCP; the server holds the line
/// settings).
struct NetworkAddress {
    enum class Protocol { Rfc2217, RawSocket };
    Protocol protocol;
    /// A name or an IP address, IPv6 without its brackets.
    std::string host;
    std::uint16_t port;
};

/// A serial port on this machine, by its path.
struct LocalDevice {
    std::string path;
};

/// A device text that names a network address in a form not taken; what() says the form.
struct AddressError {
    std::string what;
};

/// What a device text names: anything with "://" is a network address, anything else a path.
std::variant<LocalDevice, NetworkAddress, AddressError> parseDevice(const std::string& device);

}  // namespace qm5
