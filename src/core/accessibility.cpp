// SPDX-License-Identifier: MIT
#include "core/accessibility.h"

#include <algorithm>
#include <span>
#include <utility>

#include "core/control_table.h"
#include "core/controls.h"

namespace qm5 {

namespace {

namespace c = control;

// The label whose caption titles a frame's buttons, or a button's pair on the window.
constexpr std::pair<std::string_view, std::string_view> kGroupTitles[] = {
    {c::kPowerGroup, c::kPowerTitle},
    {c::kInputGroup, c::kInputTitle},
    {c::kAudioMuteGroup, c::kAudioMuteTitle},
    {c::kVideoMuteGroup, c::kVideoMuteTitle},
    {c::kScreenGroup, c::kScreenTitle},
    {c::kMenuGroup, c::kMenuTitle},
    {c::kFreezeGroup, c::kFreezeTitle},
    {c::kLensShiftGroup, c::kLensShiftTitle},
    {c::kInput2VideoGroup, c::kInput2VideoTitle},
    {c::kInput3Group, c::kInput3Title},
    {c::kOnStartGroup, c::kOnStartTitle},
    {c::kPowerManagementGroup, c::kPowerManagementTitle},
    {c::kVolumePlus, c::kVolumeTitle},
    {c::kVolumeMinus, c::kVolumeTitle},
    {c::kZoomPlus, c::kZoomTitle},
    {c::kZoomMinus, c::kZoomTitle},
    {c::kFocusPlus, c::kFocusTitle},
    {c::kFocusMinus, c::kFocusTitle},
    {c::kDigitalZoomPlus, c::kDigitalZoomTitle},
    {c::kDigitalZoomMinus, c::kDigitalZoomTitle},
    {c::kKeystonePlus, c::kKeystoneTitle},
    {c::kKeystoneMinus, c::kKeystoneTitle},
};

// The label beside a text line that says what the line shows.
constexpr std::pair<std::string_view, std::string_view> kLineLabels[] = {
    {c::kTxdLine, c::kTxdCaption},
    {c::kRxdLine, c::kRxdCaption},
    {c::kStatusLine, c::kStatusCaption}};

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
