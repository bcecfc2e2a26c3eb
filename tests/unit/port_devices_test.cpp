// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/port_devices.h"
#include "support/fake_device_memory.h"
#include "support/panel_harness.h"
#include "support/scoped_env.h"

namespace qm5::test {
namespace {

struct Sources {
    const char* commandLine;
    const char* environment;
    const char* remembered;
    const char* expected;
};

class DeviceSourceOrderTest : public ::testing::TestWithParam<Sources> {};

TEST_P(DeviceSourceOrderTest, takesTheFirstSourceThatNamesADevice) {
    const Sources& row = GetParam();
    const ScopedEnv noCom1("QM5_COM1", nullptr);
    const ScopedEnv com2("QM5_COM2", row.environment);
    FakeDeviceMemory memory;
    if (row.remembered != nullptr) memory.devices[2] = row.remembered;
    PortDevices::PerPort commandLine;
    if (row.commandLine != nullptr) commandLine[1] = row.commandLine;
    const PortDevices devices(memory, commandLine);
    EXPECT_EQ(devices.deviceFor(2), row.expected);
    EXPECT_EQ(devices.deviceFor(1), "/dev/ttyS0");
}

INSTANTIATE_TEST_SUITE_P(Sources, DeviceSourceOrderTest,
                         ::testing::Values(Sources{"/dev/a", "/dev/b", "/dev/c", "/dev/a"},
                                           Sources{nullptr, "/dev/b", "/dev/c", "/dev/b"},
                                           Sources{nullptr, "", "/dev/c", "/dev/c"},
                                           Sources{nullptr, nullptr, "/dev/c", "/dev/c"},
                                           Sources{nullptr, nullptr, nullptr, "/dev/ttyS1"},
                                           Sources{"", nullptr, nullptr, "/dev/ttyS1"}));

TEST(PortDevicesTest, aChoiceHoldsForTheRunOverTheCommandLineAndIsRemembered) {
    FakeDeviceMemory memory;
    PortDevices devices(memory, {std::string("/dev/ttyUSB0"), std::nullopt});
    EXPECT_EQ(devices.choose(1, "/dev/serial/by-id/usb-Adapter Ü-if00"), std::nullopt);
    EXPECT_EQ(devices.deviceFor(1), "/dev/serial/by-id/usb-Adapter Ü-if00");
    EXPECT_EQ(memory.devices.at(1), "/dev/serial/by-id/usb-Adapter Ü-if00");
}

/// The operator chooses a device from the port controls' menu.
struct ChooseDeviceTest : ::testing::Test {
    PanelHarness panel;
};

TEST_F(ChooseDeviceTest, reopensTheCurrentPortOnTheNewDeviceAtOnce) {
    panel.window.pickedDevice = "/dev/ttyUSB0";
    panel.handlers.chooseDevice(1);
    EXPECT_EQ(panel.window.deviceQuestions,
              (std::vector<std::pair<int, std::string>>{{1, "/dev/ttyS0"}}));
    EXPECT_EQ(panel.port.openPort(), 1);
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyUSB0");
    EXPECT_EQ(panel.port.opens().size(), 2U);  // start-up opened once
    EXPECT_TRUE(panel.window.warnings().empty());
}

TEST_F(ChooseDeviceTest, leavesTheOpenPortAloneWhenTheOtherPortChanges) {
    panel.window.pickedDevice = "/dev/ttyUSB1";
    panel.handlers.chooseDevice(2);
    EXPECT_EQ(panel.port.opens().size(), 1U);
    EXPECT_EQ(panel.devices.deviceFor(2), "/dev/ttyUSB1");
    panel.choosePort(control::kCom2Option);
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyUSB1");
}

TEST_F(ChooseDeviceTest, cancelChangesNothing) {
    panel.handlers.chooseDevice(1);
    EXPECT_EQ(panel.port.opens().size(), 1U);
    EXPECT_TRUE(panel.memory.devices.empty());
    EXPECT_EQ(panel.devices.deviceFor(1), "/dev/ttyS0");
}

TEST_F(ChooseDeviceTest, aDeviceThatDoesNotOpenCostsNothing) {
    panel.port.setMissingDevice("/dev/ttyUSB9");
    panel.window.pickedDevice = "/dev/ttyUSB9";
    panel.handlers.chooseDevice(1);
    EXPECT_EQ(
        panel.window.warnings(),
        (std::vector<std::string>{"COM1 (/dev/ttyUSB9): no such device COM1 keeps /dev/ttyS0."}));
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyS0");
    EXPECT_TRUE(panel.serial.isOpen());
    EXPECT_EQ(panel.devices.deviceFor(1), "/dev/ttyS0");
    EXPECT_TRUE(panel.memory.devices.empty());

    panel.window.pickedDevice = "/dev/ttyUSB0";
    panel.handlers.chooseDevice(1);
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyUSB0");
    EXPECT_EQ(panel.memory.devices.at(1), "/dev/ttyUSB0");
}

TEST_F(ChooseDeviceTest, saysSoWhenTheDeviceBeforeCannotBeOpenedEither) {
    panel.port.setMissing(1, true);
    panel.window.pickedDevice = "/no/such/device";
    panel.handlers.chooseDevice(1);
    ASSERT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_NE(panel.window.warnings()[0].find("COM1 keeps /dev/ttyS0, which cannot be opened"),
              std::string::npos);
    EXPECT_FALSE(panel.serial.isOpen());
}

TEST_F(ChooseDeviceTest, takesTheTextTrimmedAndDoesNothingForTheDeviceInUse) {
    for (const char* same : {"/dev/ttyS0", " /dev/ttyS0\t", "  "}) {
        panel.window.pickedDevice = same;
        panel.handlers.chooseDevice(1);
    }
    EXPECT_EQ(panel.port.opens().size(), 1U);
    EXPECT_TRUE(panel.memory.devices.empty());

    panel.window.pickedDevice = " /dev/ttyUSB0 ";
    panel.handlers.chooseDevice(1);
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyUSB0");
    EXPECT_EQ(panel.memory.devices.at(1), "/dev/ttyUSB0");
}

TEST_F(ChooseDeviceTest, aChoiceThatCannotBeRememberedIsUsedAndSaidOnce) {
    panel.memory.failure = "the settings file cannot be written";
    panel.window.pickedDevice = "/dev/ttyUSB0";
    panel.handlers.chooseDevice(1);
    ASSERT_EQ(panel.window.warnings().size(), 1U);
    EXPECT_NE(panel.window.warnings()[0].find("cannot be remembered"), std::string::npos);
    EXPECT_EQ(panel.port.openPath(), "/dev/ttyUSB0");
    EXPECT_TRUE(panel.serial.isOpen());
}

}  // namespace
}  // namespace qm5::test
