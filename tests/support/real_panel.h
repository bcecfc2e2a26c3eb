// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>

#include <string_view>

#include "app/qt_panel.h"
#include "core/controls.h"
#include "support/wait.h"

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

}  // namespace qm5::test
