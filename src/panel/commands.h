// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm5 {

/// A command the panel's buttons send, as a script names it.
struct Command {
    std::string_view code;
    /// The button's group and caption in lower case, words joined by "-": "power-on",
    /// "vol-plus", "lens-shift-up".
    std::string name;
    /// The button's group and caption as the panel shows them: "POWER ON", "VOL +".
    std::string label;
};

/// Every command of the panel's buttons, from the button tables: the one-shot buttons, then
/// the hold buttons (whose codes a script sends once).
const std::vector<Command>& panelCommands();

/// The command a script means: a code ("C00", "cr0") or a name ("power-on").
std::optional<Command> findCommand(std::string_view what);

}  // namespace qm5
