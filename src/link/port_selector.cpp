// SPDX-License-Identifier: MIT
#include "link/port_selector.h"

#include <optional>
#include <string>

#include "core/timer.h"
#include "link/serial_control.h"

namespace qm5 {

namespace {

constexpr std::string_view kSelector = "Frame8";

}  // namespace

void PortSelector::Command33_Click() {
    platform_.controls.setVisible(kSelector, true);
    platform_.Timer3.setEnabled(true);
}

void PortSelector::Timer3_Timer() {
    platform_.controls.setVisible(kSelector, false);
    platform_.Timer3.setEnabled(false);
}

void PortSelector::switchTo(int port) {
    SerialControl& comm = platform_.MSComm1;
    std::optional<std::string> failure;
    const auto attempt = [&](auto&& step) {
        try {
            step();
        } catch (const SerialError& error) {
            failure = error.what();
        }
    };

    attempt([&] { comm.setPortOpen(false); });
    attempt([&] { comm.setCommPort(static_cast<std::int16_t>(port)); });
    // Opened whether or not the port was open before: after a failed switch or start-up the
    // operator must be able to get a port back without restarting.
    if (!failure) attempt([&] { comm.setPortOpen(true); });

    if (!failure) {
        platform_.controls.setVisible(kSelector, false);
        return;
    }
    warnings_.show(*failure);
    attempt([&] { comm.setCommPort(static_cast<std::int16_t>(port == 1 ? 2 : 1)); });
}

}  // namespace qm5
