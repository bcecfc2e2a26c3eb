// SPDX-License-Identifier: MIT
#include "control/broker_link.h"

namespace qm5 {

void BrokerLink::join(BridgeSettings settings, const QString& label) {
    notices_ = std::make_unique<StderrNotices>(label);
    bridge_ = std::make_unique<MqttBridge>(std::move(settings), line_, powerPolling_, lampPolling_,
                                           *notices_);
    services_.alsoTellPortTo(*bridge_);
    bridge_->start();
}

void BrokerLink::leave() {
    if (bridge_) bridge_->stop();
}

}  // namespace qm5
