// SPDX-License-Identifier: MIT
#include "link/port_switch.h"

#include <optional>
#include <string>

#include "link/serial_control.h"

namespace qm5 {

bool PortSwitch::switchTo(int port) {
    const std::optional<std::string> failure = tryOpen(port);
    if (!failure) return true;
    otherPort_ = static_cast<std::int16_t>(port == 1 ? 2 : 1);
    warnings_.show(*failure, {}, this);
    return false;
}

void PortSwitch::afterWarning() {
    try {
        serial_.setPortNumber(otherPort_);
    } catch (const SerialError&) {
    }
}

std::optional<std::string> PortSwitch::tryOpen(int port) {
    std::optional<std::string> failure;
    const auto attempt = [&](auto&& step) {
        try {
            step();
        } catch (const SerialError& error) {
            failure = error.what();
        }
    };

    attempt([&] { serial_.setOpen(false); });
    attempt([&] { serial_.setPortNumber(static_cast<std::int16_t>(port)); });
    // Opened whether or not the port was open before: after a failed switch or start-up the
    // operator must be able to get a port back without restarting.
    if (!failure) attempt([&] { serial_.setOpen(true); });
    return failure;
}

}  // namespace qm5
