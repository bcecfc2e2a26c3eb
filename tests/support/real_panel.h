// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>

#include <memory>
#include <string_view>

#include "core/controls.h"
#include "support/wait.h"
#include "support/warning_catcher.h"
#include "window/qt_panel.h"

namespace qm5::test {

/// The real panel, offscreen in the test's process, started as the program starts it and
/// operated by control role.
struct RealPanel : QtPanel {
    enum class Start { LoadAndShow, LoadOnly };

    explicit RealPanel(PortDevices::PerPort commandLine = {}, Start start = Start::LoadAndShow)
        : QtPanel(std::move(commandLine)) {
        controlPanel.load();
        if (start == Start::LoadAndShow) window.show();
        // A server on the network connects in the background.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return serial.link() != SerialControl::Link::Connecting; }, kWaitMs));
    }

    void click(std::string_view control) {
        QTest::mouseClick(window.control(control), Qt::LeftButton);
    }
    QString text(std::string_view label) const {
        return qobject_cast<QLabel*>(window.control(label))->text();
    }
    /// Whether `label` comes to read `expected` within the wait.
    bool waitForText(std::string_view label, const QString& expected) const {
        return QTest::qWaitFor([&] { return text(label) == expected; }, kWaitMs);
    }
};

/// A test of the real panel: a catcher that answers every box, and the panel, which the test
/// starts once it has set up the devices.
struct RealPanelTest : ::testing::Test {
    void start(PortDevices::PerPort commandLine = {},
               RealPanel::Start how = RealPanel::Start::LoadAndShow) {
        panel = std::make_unique<RealPanel>(std::move(commandLine), how);
    }
    // The panel lets go of the devices before the test's own go: they are members of the test.
    void TearDown() override { panel.reset(); }

    WarningCatcher warnings;
    std::unique_ptr<RealPanel> panel;
};

}  // namespace qm5::test
