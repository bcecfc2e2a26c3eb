// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/failure.h"

namespace qm5 {

/// Why a script's frame was not sent: the word a script matches, and the operator's words.
struct LineRefusal {
    Failure failure;
    std::string why;
};

/// What sends a script's frames on the line: the panel, whose operator sees them go.
class LineTarget {
  public:
    virtual ~LineTarget() = default;

    /// Why no script's frame may go out now (the program ending, a button held), if so.
    virtual std::optional<LineRefusal> busyFor() const = 0;
    /// Sends `code` as its button would, once for a hold button. Returns why it was not sent.
    virtual std::optional<LineRefusal> sendAsButton(std::string_view code) = 0;
    /// Sends `text` and CR as one frame, as every frame goes out. Returns why it was not sent.
    virtual std::optional<LineRefusal> sendRaw(std::string_view text) = 0;
};

}  // namespace qm5
