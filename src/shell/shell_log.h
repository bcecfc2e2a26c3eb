// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>
#include <string>

#include "link/traffic_log.h"

namespace qm5 {

/// The traffic log (--log) of a mode without a window: a log that cannot be written is told on
/// stderr, and the work goes on without it.
class ShellLog final : private TrafficLogEvents {
  public:
    /// Nothing is logged when `file` is empty.
    explicit ShellLog(const QString& file);

    /// Null when nothing is logged.
    TrafficLog* log() const { return log_.get(); }

  private:
    void onLogFailed(const std::string& why) override;

    std::unique_ptr<TrafficLog> log_;
};

}  // namespace qm5
