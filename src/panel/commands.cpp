// SPDX-License-Identifier: MIT
#include "panel/commands.h"

#include <cctype>

#include "core/accessibility.h"
#include "core/control_table.h"
#include "panel/hold_buttons.h"
#include "panel/one_shot_buttons.h"

namespace qm5 {

namespace {

/// "VOL +" becomes "vol-plus", "LENS SHIFT ↑" becomes "lens-shift-up".
std::string nameOf(std::string_view label) {
    constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"+", "plus"}, {"-", "minus"}, {"↑", "up"}, {"↓", "down"}, {"←", "left"}, {"→", "right"}};
    std::string name;
    const auto word = [&](std::string_view text) {
        if (!name.empty() && name.back() != '-') name += '-';
        name += text;
    };
    for (std::size_t at = 0; at < label.size();) {
        bool symbol = false;
        for (const auto& [from, to] : kWords) {
            if (label.substr(at, from.size()) != from) continue;
            // A lone sign is a word of its own; "2-RGB" keeps its hyphen as a joiner.
            const std::size_t end = at + from.size();
            const bool alone =
                (at == 0 || label[at - 1] == ' ') && (end == label.size() || label[end] == ' ');
            if (from.size() > 1 || alone) {
                word(to);
                at += from.size();
                symbol = true;
                break;
            }
        }
        if (symbol) continue;
        const auto c = static_cast<unsigned char>(label[at++]);
        if (std::isalnum(c) != 0) {
            name += static_cast<char>(std::tolower(c));
        } else if (!name.empty() && name.back() != '-') {
            name += '-';
        }
    }
    while (!name.empty() && name.back() == '-') name.pop_back();
    return name;
}

/// The panel's captions spell "management" their own way; a script may use either spelling.
std::string panelSpelling(std::string name) {
    constexpr std::string_view kWord = "management";
    constexpr std::string_view kPanels = "manegement";
    for (std::size_t at = name.find(kWord); at != std::string::npos; at = name.find(kWord, at)) {
        name.replace(at, kWord.size(), kPanels);
    }
    return name;
}

Command commandOf(std::string_view control, std::string_view code) {
    const ControlSpec* spec = findControl(control);
    const std::string label = accessibleName(control, spec != nullptr ? spec->caption : "");
    return Command{code, nameOf(label), label};
}

}  // namespace

const std::vector<Command>& panelCommands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        for (const OneShotButton& button : oneShotButtons()) {
            all.push_back(commandOf(button.control, button.code));
        }
        for (const HoldButton& button : holdButtons()) {
            all.push_back(commandOf(button.control, button.code));
        }
        return all;
    }();
    return commands;
}

std::optional<Command> findCommand(std::string_view what) {
    std::string upper(what);
    std::string lower(what);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    lower = panelSpelling(lower);
    for (const Command& command : panelCommands()) {
        if (command.code == upper || command.name == lower) return command;
    }
    return std::nullopt;
}

}  // namespace qm5
