// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/platform.h"

namespace qm5::test {

/// The window and its controls as plain values. Controls start as the layout has them; naming a
/// control the layout does not have fails the test.
class FakeWindow final : public Controls, public Window, public MessageBox, public DevicePicker {
  public:
    FakeWindow();

    void setCaption(std::string_view control, std::string_view text) override;
    void setVisible(std::string_view control, bool visible) override;
    void setDescription(std::string_view control, std::string_view text) override {
        descriptions_[std::string(control)] = std::string(text);
    }
    bool value(std::string_view option) const override;
    void setValue(std::string_view option, bool selected) override;

    float width() const override { return width_; }
    float height() const override { return height_; }
    void setLeft(float twips) override { left_ = twips; }
    void setTop(float twips) override { top_ = twips; }
    void setHeight(float twips) override { height_ = twips; }
    float screenWidth() const override { return screenWidth_; }
    float screenHeight() const override { return screenHeight_; }
    void end() override { ended_ = true; }

    /// Records the text; the operator closes the box at once unless `keepWarningsOpen`.
    void openWarning(std::string_view text, MessageBoxEvents& events) override;
    void closeWarning() override { openWarning_ = nullptr; }
    /// Answers with `pickedDevice`, as OK would, and records what was asked.
    void pickDevice(int port, std::string_view current, DevicePickerEvents& choice) override;
    /// The operator closes the open box.
    void closeOpenWarning();
    bool warningOpen() const { return openWarning_ != nullptr; }

    std::string caption(std::string_view control) const;
    std::string description(std::string_view control) const {
        const auto found = descriptions_.find(control);
        return found == descriptions_.end() ? std::string() : found->second;
    }
    bool visible(std::string_view control) const;
    float left() const { return left_; }
    float top() const { return top_; }
    bool ended() const { return ended_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

    void setScreen(float width, float height) {
        screenWidth_ = width;
        screenHeight_ = height;
    }
    /// What the operator answers when asked for a device; nothing is Cancel.
    std::optional<std::string> pickedDevice;
    /// The port and the device in use of each time a device was asked for.
    std::vector<std::pair<int, std::string>> deviceQuestions;
    bool keepWarningsOpen = false;

  private:
    static std::string known(std::string_view control);

    std::map<std::string, std::string, std::less<>> captions_;
    std::map<std::string, bool, std::less<>> visible_;
    std::map<std::string, bool, std::less<>> values_;
    std::map<std::string, std::string, std::less<>> descriptions_;
    float width_;
    float height_;
    float left_ = 0;
    float top_ = 0;
    float screenWidth_ = 15360;
    float screenHeight_ = 11520;
    bool ended_ = false;
    std::vector<std::string> warnings_;
    MessageBoxEvents* openWarning_ = nullptr;
};

}  // namespace qm5::test
