// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/port_switch.h"
#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct PortSelectorTest : ::testing::Test {
    PanelHarness panel;

    bool selectorShown() const { return panel.window.visible(control::kPortSelector); }
    void showSelector() { panel.handlers.click(control::kComButton); }
};

TEST_F(PortSelectorTest, hidesItselfFiveSecondsAfterCom) {
    showSelector();
    EXPECT_TRUE(selectorShown());
    panel.clock.advanceTo(4999);
    EXPECT_TRUE(selectorShown());
    panel.clock.advanceTo(5000);
    EXPECT_FALSE(selectorShown());
    EXPECT_FALSE(panel.portSelectorTimer.enabled());
}

TEST_F(PortSelectorTest, switchesToAPresentPortAtOnce) {
    showSelector();
    panel.clock.advanceTo(2000);
    panel.choosePort(control::kCom2Option);
    EXPECT_EQ(panel.port.openPort(), 2);
    EXPECT_EQ(panel.serial.portNumber(), 2);
    EXPECT_FALSE(selectorShown());
    EXPECT_TRUE(panel.window.value(control::kCom2Option));
    EXPECT_FALSE(panel.window.value(control::kCom1Option));
    panel.clock.advanceTo(5000);
    EXPECT_FALSE(selectorShown());
    EXPECT_TRUE(panel.window.warnings().empty());
}

TEST_F(PortSelectorTest, reportsAMissingPortAndLeavesThePortClosedForTheOther) {
    panel.port.setMissing(2, true);
    showSelector();
    panel.choosePort(control::kCom2Option);
    EXPECT_EQ(panel.window.warnings(),
              (std::vector<std::string>{"COM2 (/dev/ttyS1): no such device"}));
    EXPECT_FALSE(panel.serial.isOpen());
    EXPECT_EQ(panel.serial.portNumber(), 1);
    EXPECT_TRUE(panel.window.value(control::kCom2Option));
    EXPECT_TRUE(selectorShown());
    panel.clock.advanceTo(5000);
    EXPECT_FALSE(selectorShown());

    panel.handlers.click(control::kPowerOn);
    EXPECT_TRUE(panel.port.frames().empty());
    ASSERT_EQ(panel.window.warnings().size(), 2U);
    // The port number is COM1's now, but the operator never chose COM1's device.
    EXPECT_EQ(panel.window.warnings()[1].find("/dev/ttyS0"), std::string::npos);
    EXPECT_EQ(panel.window.description(control::kComButton), "COM2: /dev/ttyS1 (not open)");
}

TEST_F(PortSelectorTest, theComButtonTellsWhichDeviceThePortInUseIs) {
    EXPECT_EQ(panel.window.description(control::kComButton), "COM1: /dev/ttyS0 (open)");
    panel.choosePort(control::kCom2Option);
    EXPECT_EQ(panel.window.description(control::kComButton), "COM2: /dev/ttyS1 (open)");
    panel.port.loseDevice();
    EXPECT_EQ(panel.window.description(control::kComButton),
              "COM2: /dev/ttyS1 (away: reconnects by itself when it is back)");
    panel.port.deviceBack();
    EXPECT_EQ(panel.window.description(control::kComButton), "COM2: /dev/ttyS1 (open)");
}

TEST_F(PortSelectorTest, opensAPortAgainAfterAFailedSwitch) {
    panel.port.setMissing(2, true);
    panel.choosePort(control::kCom2Option);
    panel.choosePort(control::kCom1Option);
    EXPECT_EQ(panel.port.openPort(), 1);
    EXPECT_EQ(panel.window.warnings().size(), 1U);

    // Once the device is there, choosing it again opens it.
    panel.port.setMissing(2, false);
    panel.choosePort(control::kCom2Option);
    panel.choosePort(control::kCom2Option);
    EXPECT_EQ(panel.port.openPort(), 2);
    panel.handlers.click(control::kPowerOn);
    EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{"C00\r"}));
}

TEST_F(PortSelectorTest, reportsABusyPortAfterClosingTheOneInUse) {
    panel.choosePort(control::kCom2Option);
    panel.port.setBusy(1, true);
    panel.choosePort(control::kCom1Option);
    EXPECT_EQ(panel.window.warnings(), (std::vector<std::string>{"COM1 (/dev/ttyS0): in use"}));
    EXPECT_FALSE(panel.serial.isOpen());
    EXPECT_EQ(panel.serial.portNumber(), 2);
}

TEST_F(PortSelectorTest, reportsTheLastFailureWhenThePortWouldNotClose) {
    panel.port.failClose(true);
    showSelector();
    panel.choosePort(control::kCom2Option);
    // Closing failed, so renumbering the open port failed after it.
    EXPECT_EQ(panel.window.warnings(),
              (std::vector<std::string>{
                  "The port number cannot change while COM1 (/dev/ttyS0) is open."}));
    EXPECT_EQ(panel.port.opens(), (std::vector<int>{1}));
    EXPECT_TRUE(selectorShown());
}

/// A failed switch's box closed late renumbers the port only as the switch left it: else the
/// port's device, once back, would be another port's.
TEST(PortSwitchTest, aBoxClosedLateRenumbersOnlyThePortTheSwitchLeft) {
    // While the box is open: COM2 tried again, or opened without a switch and gone away.
    struct Row {
        bool triedAgain, opened;
        int portAfter;
    };
    for (const Row row : {Row{false, false, 1}, Row{true, false, 2}, Row{false, true, 2}}) {
        VirtualDevices v;
        FakeWindow window;
        window.keepWarningsOpen = true;
        WarningBox warnings(window);
        PortSwitch portSwitch(v.serial, warnings);
        v.port.setMissing(2, true);
        ASSERT_FALSE(portSwitch.switchTo(2));
        if (row.triedAgain) portSwitch.tryOpen(2);
        if (row.opened) {
            v.port.setMissing(2, false);
            v.serial.setOpen(true);
            v.port.loseDevice();
        }
        v.clock.advance(60'000);
        window.closeOpenWarning();
        v.port.deviceBack();
        EXPECT_EQ(v.serial.portNumber(), row.portAfter) << row.triedAgain << row.opened;
    }
}

}  // namespace
}  // namespace qm5::test
