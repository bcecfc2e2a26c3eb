// SPDX-License-Identifier: MIT
#include "app/port_selector.h"

#include "core/controls.h"
#include "core/timer.h"

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

}  // namespace qm5
