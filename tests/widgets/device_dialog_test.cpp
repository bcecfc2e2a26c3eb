// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "core/platform.h"
#include "ui/device_dialog.h"

namespace qm5::test {
namespace {

/// The panel behind the dialog: records the searches asked for, which the test ends.
struct SearchingChoice final : DevicePickerEvents {
    std::optional<std::string> refusal(std::string_view) const override { return std::nullopt; }
    void onDeviceChosen(int, std::string_view) override {}
    std::vector<FoundDevice> presentDevices() const override { return {}; }
    void findProjectors(const std::vector<std::string>& devices, FindResults& results) override {
        asked = devices;
        searching = &results;
    }
    void stopFinding(const FindResults& results) override {
        if (&results == searching) searching = nullptr;
    }

    std::vector<std::string> asked;
    FindResults* searching = nullptr;
};

struct DeviceDialogTest : ::testing::Test {
    SearchingChoice choice;
    DeviceDialog dialog{1,
                        QStringLiteral("/dev/ttyS0"),
                        {{"/dev/ttyUSB0", "FT232R"}, {"/dev/ttyUSB1", ""}},
                        choice,
                        nullptr};
    QPushButton* find = dialog.findChild<QPushButton*>(QStringLiteral("Find"));
};

TEST_F(DeviceDialogTest, findAsksEveryDeviceListedThenMarksTheProjectorsAndChoosesTheFirst) {
    find->click();
    EXPECT_EQ(choice.asked,
              (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1"}));
    EXPECT_FALSE(find->isEnabled());
    ASSERT_NE(choice.searching, nullptr);
    choice.searching->onProjectorsFound(
        {{"/dev/ttyUSB0", "Stand by"}, {"/dev/ttyUSB1", "Power ON"}});
    EXPECT_TRUE(find->isEnabled());
    EXPECT_EQ(dialog.device(), QStringLiteral("/dev/ttyUSB0"));
    const auto* devices = dialog.findChild<QComboBox*>(QStringLiteral("Device"));
    EXPECT_EQ(devices->itemText(2), QStringLiteral("/dev/ttyUSB1  (Power ON)"));
}

TEST_F(DeviceDialogTest, aDialogClosedOrDestroyedDuringASearchEndsIt) {
    for (const bool closed : {true, false}) {
        auto* searching = new DeviceDialog(1, QString(), {}, choice, nullptr);
        searching->show();
        searching->findChild<QPushButton*>(QStringLiteral("Find"))->click();
        ASSERT_NE(choice.searching, nullptr);
        if (closed) searching->reject();
        delete searching;
        EXPECT_EQ(choice.searching, nullptr) << closed;
    }
}

}  // namespace
}  // namespace qm5::test
