// SPDX-License-Identifier: MIT
#include "support/fake_window.h"

#include <stdexcept>
#include <utility>

#include "core/control_table.h"

namespace qm5::test {

FakeWindow::FakeWindow() {
    const WindowSpec& form = windowSpec();
    width_ = static_cast<float>(form.clientWidth + 2 * form.frameSide);
    height_ = static_cast<float>(form.clientHeight + form.frameTop + form.frameSide);
    for (const ControlSpec& spec : controlTable()) {
        const std::string name(spec.name);
        captions_[name] = std::string(spec.caption);
        visible_[name] = !spec.has(kHiddenAtStart);
        if (spec.kind == ControlKind::Option) values_[name] = false;
    }
}

std::string FakeWindow::known(std::string_view control) {
    if (findControl(control) == nullptr) {
        throw std::logic_error("no control named " + std::string(control));
    }
    return std::string(control);
}

void FakeWindow::setCaption(std::string_view control, std::string_view text) {
    captions_[known(control)] = std::string(text);
}

void FakeWindow::setVisible(std::string_view control, bool visible) {
    visible_[known(control)] = visible;
}

bool FakeWindow::value(std::string_view option) const {
    return values_.at(known(option));
}

void FakeWindow::setValue(std::string_view option, bool selected) {
    // The two options of the port selector form one group.
    if (selected) {
        for (auto& [name, value] : values_) value = false;
    }
    values_.at(known(option)) = selected;
}

void FakeWindow::openWarning(std::string_view text, MessageBoxEvents& events) {
    warnings_.emplace_back(text);
    openWarning_ = &events;
    if (!keepWarningsOpen) closeOpenWarning();
}

void FakeWindow::closeOpenWarning() {
    if (MessageBoxEvents* events = std::exchange(openWarning_, nullptr))
        events->onMessageBoxClosed();
}

void FakeWindow::pickDevice(int port, std::string_view current, DevicePickerEvents& choice) {
    deviceQuestions.emplace_back(port, current);
    if (!pickedDevice) return;
    // A refused entry stays in the dialog: nothing is chosen.
    if (!choice.refusal(*pickedDevice)) choice.onDeviceChosen(port, *pickedDevice);
}

std::string FakeWindow::caption(std::string_view control) const {
    return captions_.at(known(control));
}

bool FakeWindow::visible(std::string_view control) const {
    return visible_.at(known(control));
}

}  // namespace qm5::test
