// SPDX-License-Identifier: MIT
// A device that goes away comes back by itself; a server that connects in the background holds
// nothing up and sends nothing late.
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

bool says(const std::string& warning, std::string_view words) {
    return warning.find(words) != std::string::npos;
}

struct ReconnectTest : ::testing::Test {
    PanelHarness panel;
};

TEST_F(ReconnectTest, aDeviceGoneMidHoldIsToldOnceAndReopenedWhenBack) {
    panel.handlers.mouseDown(control::kZoomPlus);
    panel.clock.advance(120);
    panel.port.loseDevice();
    EXPECT_FALSE(panel.repeatTimer.enabled());
    ASSERT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_TRUE(says(panel.window.warnings()[0], "reconnects by itself"));
    EXPECT_EQ(panel.port.watched(), "/dev/ttyS0");
    panel.handlers.mouseUp(control::kZoomPlus);

    panel.handlers.click(control::kPowerOn);
    ASSERT_EQ(panel.window.warnings().size(), 2U);
    EXPECT_TRUE(says(panel.window.warnings()[1], "reconnects by itself"));

    panel.port.setMissing(1, true);
    panel.port.deviceBack();  // not yet: the watch goes on, without a word
    EXPECT_EQ(panel.port.watched(), "/dev/ttyS0");
    panel.port.setMissing(1, false);
    panel.port.deviceBack();
    EXPECT_TRUE(panel.serial.isOpen());
    // Gone again before any traffic passed (a far end hung up, its path still there): no news.
    panel.port.loseDevice();
    panel.port.deviceBack();
    EXPECT_TRUE(panel.serial.isOpen());
    panel.handlers.click(control::kPowerOn);
    EXPECT_EQ(panel.port.frames().back(), "C00\r");
    EXPECT_TRUE(panel.port.watched().empty());
    EXPECT_EQ(panel.window.warnings().size(), 2U);
}

TEST_F(ReconnectTest, theWatchEndsWhenTheOperatorChoosesAPortOrEnds) {
    panel.port.loseDevice();
    panel.choosePort(control::kCom2Option);
    EXPECT_TRUE(panel.port.watched().empty());
    panel.port.loseDevice();
    panel.handlers.click(control::kEndButton);
    EXPECT_TRUE(panel.port.watched().empty());
}

/// The warning, still open, closes itself: its cause is gone.
TEST(ReconnectAtStartUpTest, aMissingCom1IsOpenedAsSoonAsItIsThere) {
    PanelHarness panel{PanelHarness::NotLoaded{}};
    panel.window.keepWarningsOpen = true;
    panel.port.setMissing(1, true);
    panel.handlers.load();
    ASSERT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_TRUE(says(panel.window.warnings()[0], "opens the device by itself"));
    panel.port.setMissing(1, false);
    panel.port.deviceBack();
    EXPECT_TRUE(panel.serial.isOpen());
    EXPECT_FALSE(panel.window.warningOpen());
}

TEST(ReconnectAtStartUpTest, advisesNoPlugForADeviceThereAndNeverWatchesATextThatNamesNone) {
    for (const std::string device : {"/dev/ttyUSB0", "127.0.0.1:4001"}) {
        const bool busy = device.starts_with('/');
        PanelHarness panel{PanelHarness::NotLoaded{}};
        panel.devices.use(1, device);
        panel.port.setBusy(1, busy);
        if (!busy) panel.port.setMissingDevice(device);
        panel.handlers.load();
        EXPECT_FALSE(says(panel.window.warnings().at(0), "by itself")) << device;
        EXPECT_EQ(panel.port.watched(), busy ? device : "") << device;
    }
}

/// A server on the network: the open goes on in the background.
struct ConnectingTest : ::testing::Test {
    ConnectingTest() {
        panel.port.openLater(true);
        panel.handlers.load();
    }
    PanelHarness panel{PanelHarness::NotLoaded{}};
};

TEST_F(ConnectingTest, sendsNothingLateAndSaysSoOncePerAttempt) {
    EXPECT_EQ(panel.window.description(control::kComButton), "COM1: /dev/ttyS0 (connecting)");
    panel.handlers.click(control::kPowerOn);
    panel.handlers.click(control::kPowerOff);
    EXPECT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_TRUE(says(panel.window.warnings()[0], "still connecting"));
    panel.port.finishOpen(true);
    EXPECT_TRUE(panel.port.frames().empty());
    EXPECT_EQ(panel.window.description(control::kComButton), "COM1: /dev/ttyS0 (open)");
    panel.handlers.click(control::kPowerOn);
    EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{"C00\r"}));
}

TEST_F(ConnectingTest, aServerThatFailsAtStartUpIsToldAndTriedAgain) {
    panel.port.finishOpen(false);
    ASSERT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_TRUE(says(panel.window.warnings()[0], "no answer."));
    EXPECT_EQ(panel.port.watched(), "/dev/ttyS0");
    panel.port.deviceBack();
    panel.port.finishOpen(true);
    EXPECT_TRUE(panel.serial.isOpen());
    EXPECT_EQ(panel.window.warnings().size(), 1U);
}

/// A port switched to whose server fails late is numbered back as one that fails at once.
TEST_F(ConnectingTest, aPortWhoseServerFailsLateIsNumberedBack) {
    panel.port.finishOpen(true);
    panel.choosePort(control::kCom2Option);
    panel.port.finishOpen(false);
    EXPECT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_EQ(panel.serial.portNumber(), 1);
}

TEST_F(ConnectingTest, aServerChosenInTheDialogIsRememberedOnlyOnceItAnswers) {
    panel.port.finishOpen(true);
    panel.window.pickedDevice = "rfc2217://127.0.0.1:4001";
    panel.handlers.chooseDevice(1);
    EXPECT_TRUE(panel.memory.devices.empty());
    panel.port.finishOpen(false);
    ASSERT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_TRUE(says(panel.window.warnings()[0], "COM1 keeps /dev/ttyS0"));
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyS0");

    panel.handlers.chooseDevice(1);
    panel.port.finishOpen(true);
    EXPECT_EQ(panel.memory.devices.at(1), "rfc2217://127.0.0.1:4001");
}

}  // namespace
}  // namespace qm5::test
