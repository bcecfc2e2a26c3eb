// SPDX-License-Identifier: MIT
#include "link/port_switch.h"

#include <optional>
#include <string>

#include "link/serial_control.h"

namespace qm5 {

bool PortSwitch::switchTo(int port) {
    const std::optional<std::string> failure = tryOpen(port);
    if (!failure) return true;
    report(port, *failure);
    return false;
}

void PortSwitch::openFailedLate(const std::string& failure) {
    report(serial_.portNumber(), failure);
}

void PortSwitch::report(int port, const std::string& failure) {
    renumberings_.push_back(
        {choices_, serial_.portNumber(), static_cast<std::int16_t>(port == 1 ? 2 : 1)});
    warnings_.show(failure, {}, this);
}

void PortSwitch::afterWarning() {
    // Boxes close in the order they were shown, and one with a follow-up is never dropped.
    const Renumbering renumbering = renumberings_.front();
    renumberings_.pop_front();
    // The box may be closed long after the switch: a port chosen since, or open or watched for
    // since (the watch would reopen the renumbered port's device), is not the switch's any more.
    if (renumbering.choice != choices_ || serial_.link() != SerialControl::Link::Closed ||
        serial_.portNumber() != renumbering.leftOn) {
        return;
    }
    try {
        serial_.setPortNumber(renumbering.to);
    } catch (const SerialError&) {
    }
}

std::optional<std::string> PortSwitch::tryOpen(int port) {
    ++choices_;
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
