// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/warning_box.h"

namespace qm5::test {
namespace {

/// A box the operator closes when the test says so.
struct RecordingBox : MessageBox, AfterWarning {
    void openWarning(std::string_view text, MessageBoxEvents& events) override {
        opened.emplace_back(text);
        open = &events;
    }
    void closeWarning() override { open = nullptr; }
    void afterWarning() override { opened.emplace_back("(after)"); }
    void operatorCloses() { std::exchange(open, nullptr)->onMessageBoxClosed(); }

    std::vector<std::string> opened;
    MessageBoxEvents* open = nullptr;
};

TEST(WarningBoxTest, showsEachWarningAfterTheOneBeforeOnceAndAtMostAFew) {
    RecordingBox box;
    WarningBox warnings(box);
    warnings.show("gone", "/dev/ttyUSB0");
    for (const char* text : {"log full", "log full", "send failed", "gone", "b", "c", "dropped"}) {
        warnings.show(text);
    }
    warnings.show("renumbered", {}, &box);
    EXPECT_EQ(box.opened, std::vector<std::string>{"gone"});
    warnings.withdraw("/dev/ttyUSB0");
    while (box.open != nullptr) box.operatorCloses();
    EXPECT_EQ(box.opened, (std::vector<std::string>{"gone", "log full", "send failed", "gone", "b",
                                                    "renumbered", "(after)"}));

    warnings.show("switch failed", {}, &box);
    warnings.show("later");
    box.operatorCloses();
    EXPECT_EQ(box.opened.back(), "later");
    EXPECT_EQ(box.opened.end()[-2], "(after)");
    warnings.clear();
    EXPECT_EQ(box.open, nullptr);
}

}  // namespace
}  // namespace qm5::test
