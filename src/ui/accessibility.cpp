// SPDX-License-Identifier: MIT
#include "ui/accessibility.h"

#include <algorithm>
#include <span>
#include <utility>

#include "core/controls.h"
#include "ui/control_table.h"

namespace qm5 {

namespace {

// The label whose caption titles a frame's buttons, or a button's pair on the window.
constexpr std::pair<std::string_view, std::string_view> kGroupTitles[] = {
    {"Frame1", "Label1"},     {"Frame2", "Label2"},     {"Frame3", "Label4"},
    {"Frame4", "Label5"},     {"Frame5", "Label6"},     {"Frame6", "Label7"},
    {"Frame7", "Label8"},     {"Frame10", "Label20"},   {"Frame11", "Label21"},
    {"Frame12", "Label22"},   {"Frame13", "Label23"},   {"Frame14", "Label24"},
    {"Command1", "Label3"},   {"Command2", "Label3"},   {"Command15", "Label13"},
    {"Command35", "Label13"}, {"Command36", "Label14"}, {"Command37", "Label14"},
    {"Command48", "Label17"}, {"Command49", "Label17"}, {"Command50", "Label18"},
    {"Command51", "Label18"},
};

// The label beside a text line that says what the line shows.
constexpr std::pair<std::string_view, std::string_view> kLineLabels[] = {
    {control::kTxdLine, "Label9"},
    {control::kRxdLine, "Label10"},
    {control::kStatusLine, "Label26"}};

std::string_view captionOfLabelFor(
    std::string_view key, std::span<const std::pair<std::string_view, std::string_view>> table) {
    const auto row =
        std::ranges::find(table, key, &std::pair<std::string_view, std::string_view>::first);
    return row == table.end() ? std::string_view() : findControl(row->second)->caption;
}

/// Words separated by single spaces.
std::string simplified(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ') {
            out += c;
        } else if (!out.empty() && out.back() != ' ') {
            out += ' ';
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

std::string accessibleName(std::string_view control, std::string_view caption) {
    const ControlSpec* spec = findControl(control);
    if (spec == nullptr || spec->kind == ControlKind::Label) return std::string(caption);
    std::string_view title = captionOfLabelFor(control, kGroupTitles);
    if (title.empty()) title = captionOfLabelFor(spec->container, kGroupTitles);
    return simplified(std::string(title) + ' ' + std::string(caption));
}

std::string accessibleDescription(std::string_view control) {
    return std::string(captionOfLabelFor(control, kLineLabels));
}

}  // namespace qm5
