// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "projector.h"

namespace qm5::projector {
namespace {

constexpr const char* kAck = "\x06";
constexpr const char* kNak = "\x15";

Projector makeProjector() {
    ProjectorOptions options;
    options.warmUpSeconds = 2;
    options.coolDownSeconds = 3;
    options.lampHours = 1234;
    options.hourSeconds = 10;
    return Projector(options);
}

TEST(ProjectorTest, countsDownAfterPowerOnAndCoolsDownAfterPowerOff) {
    Projector projector = makeProjector();
    EXPECT_EQ(projector.answer("CR0", 0), "80\r");
    EXPECT_EQ(projector.answer("C00", 1), kAck);
    EXPECT_EQ(projector.answer("CR0", 2.9), "40\r");
    EXPECT_EQ(projector.answer("CR0", 3.0), "00\r");
    EXPECT_EQ(projector.answer("C00", 4), kAck);
    EXPECT_EQ(projector.answer("CR0", 4.5), "00\r");
    EXPECT_EQ(projector.answer("C02", 5), kAck);
    EXPECT_EQ(projector.answer("CR0", 7.9), "20\r");
    EXPECT_EQ(projector.answer("CR0", 8.0), "80\r");
}

TEST(ProjectorTest, countsLampHoursOnlyWhileLit) {
    Projector projector = makeProjector();
    EXPECT_EQ(projector.answer("CR3", 100), "1234\r");
    projector.answer("C00", 100);
    EXPECT_EQ(projector.answer("CR3", 125), "1236\r");
    projector.answer("C02", 130);
    EXPECT_EQ(projector.answer("CR3", 500), "1237\r");
}

TEST(ProjectorTest, reportsTheInputChosenLast) {
    Projector projector = makeProjector();
    EXPECT_EQ(projector.answer("CR1", 0), "0\r");
    for (const auto& [code, input] : {std::pair{"C06", "1\r"}, std::pair{"C08", "2\r"},
                                      std::pair{"C07", "1\r"}, std::pair{"C05", "0\r"}}) {
        projector.answer(code, 0);
        EXPECT_EQ(projector.answer("CR1", 0), input) << code;
    }
}

TEST(ProjectorTest, refusesWhatItDoesNotKnow) {
    Projector projector = makeProjector();
    EXPECT_EQ(projector.answer("CR4", 0), "11\r");
    for (const char* code : {"CR2", "C7F", "c00", "XYZ", "C0G"}) {
        EXPECT_EQ(projector.answer(code, 0), kNak) << code;
    }
}

}  // namespace
}  // namespace qm5::projector
