// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <map>
#include <string>
#include <string_view>

#include "core/platform.h"

namespace qm5 {

/// The controls without widgets: what the handlers set is kept, so that what they read back
/// (an option's value) is what they set.
class HeadlessControls final : public Controls {
  public:
    void setCaption(std::string_view, std::string_view) override {}
    void setVisible(std::string_view, bool) override {}
    void setDescription(std::string_view, std::string_view) override {}
    bool value(std::string_view option) const override;
    void setValue(std::string_view option, bool selected) override;

  private:
    std::map<std::string, bool, std::less<>> values_;
};

/// No window: its END ends the event loop.
class HeadlessWindow final : public Window {
  public:
    float width() const override { return 0; }
    float height() const override { return 0; }
    void setLeft(float) override {}
    void setTop(float) override {}
    void setHeight(float) override {}
    float screenWidth() const override { return 0; }
    float screenHeight() const override { return 0; }
    void end() override;
};

/// A warning is one line on stderr, in the user's language, named by the label if there is
/// one: the journal keeps it. It counts as closed at once.
class StderrWarnings final : public MessageBox {
  public:
    explicit StderrWarnings(QString label) : label_(std::move(label)) {}
    void openWarning(std::string_view text, MessageBoxEvents& events) override;
    void closeWarning() override {}

  private:
    QString label_;
};

/// Nobody to ask which device a port means: the device comes from the command line, the
/// settings or the environment.
class NoDevicePicker final : public DevicePicker {
  public:
    void pickDevice(int, std::string_view, DevicePickerEvents&) override {}
};

}  // namespace qm5
