// SPDX-License-Identifier: MIT
#include "control/port_selector.h"

#include "core/controls.h"
#include "core/timer.h"
#include "link/serial_control.h"

namespace qm5 {

void PortSelector::onComButton() {
    platform_.controls.setVisible(control::kPortSelector, true);
    platform_.portSelectorTimer.setEnabled(true);
}

void PortSelector::onTimeout() {
    hide();
    platform_.portSelectorTimer.setEnabled(false);
}

void PortSelector::hide() {
    platform_.controls.setVisible(control::kPortSelector, false);
}

int PortSelector::portInUse(const SerialControl& serial) const {
    if (platform_.controls.value(control::kCom1Option)) return 1;
    if (platform_.controls.value(control::kCom2Option)) return 2;
    return serial.portNumber();
}

}  // namespace qm5
