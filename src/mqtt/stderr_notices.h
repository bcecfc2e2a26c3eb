// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "mqtt/mqtt_bridge.h"

namespace qm5 {

/// The bridge's notices on stderr, one line each, as the service's warnings: the journal keeps
/// them, and a panel's window is not interrupted by the broker's outages.
class StderrNotices final : public BridgeNotices {
  public:
    explicit StderrNotices(QString label) : label_(std::move(label)) {}
    void onBridgeNotice(const QString& text) override;

  private:
    QString label_;
};

}  // namespace qm5
