// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "options.h"
#include "projector.h"
#include "projector_line.h"

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

TEST(ProjectorOptionsTest, refusesEveryNumberOutsideItsRangeNamingTheOptionAndTheRange) {
    const std::vector<std::vector<std::string>> bad = {
        {"--flood", "1e10"},
        {"--flood", "2e9"},
        {"--lamp-hours", "inf"},
        {"--hang-up-after", "nan"},
        {"--seed", "1e20"},
        {"--delay", "1e300"},
        {"--hour-seconds", "1e-300"},
        {"--split", "-1"},
        {"--noise", "1.5"},
        {"--warm-up", ""},
        {"--lamp-hours", "12.5"},
        {"--seed", "0x10 "},
        {"--orientation", "12"},
        {"--delay"},
        {"--bogus", "1"},
    };
    for (const auto& arguments : bad) {
        try {
            parseOptions(arguments);
            ADD_FAILURE() << arguments[0] << " " << (arguments.size() > 1 ? arguments[1] : "");
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(arguments[0]), std::string::npos)
                << error.what();
        }
    }
    try {
        parseOptions({"--flood", "2e9"});
    } catch (const UsageError& error) {
        EXPECT_STREQ(error.what(), "--flood needs a whole number from 0 to 1000000, not \"2e9\"");
    }
}

TEST(ProjectorOptionsTest, takesNumbersWithinTheirRanges) {
    const Options options = parseOptions({"--flood", "1e6", "--lamp-hours", "9999", "--seed",
                                          "4294967295", "--hour-seconds", "0.01", "--silent"});
    EXPECT_EQ(options.faults.floodRate, 1000000);
    EXPECT_EQ(options.projector.lampHours, 9999);
    EXPECT_EQ(options.seed, 4294967295U);
    EXPECT_TRUE(options.faults.silent);
}

TEST(ProjectorTest, countsLampHoursWithoutOverflowAtTheFastestClock) {
    ProjectorOptions options;
    options.lampHours = 9999;
    options.hourSeconds = 0.01;
    options.warmUpSeconds = 0;
    Projector projector(options);
    projector.answer("C00", 0);
    EXPECT_EQ(projector.answer("CR3", 1e9).size(), 5U);
}

TEST(ProjectorLineTest, neverReplacesAFileThatIsNotItsOwnLink) {
    char folder[] = "/tmp/qm5-link-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/device";
    std::ofstream(file) << "keep me";
    Options options;
    options.link = file;
    EXPECT_THROW(ProjectorLine line(options), std::runtime_error);
    std::string kept;
    std::getline(std::ifstream(file), kept);
    EXPECT_EQ(kept, "keep me");

    const std::string link = std::string(folder) + "/link";
    options.link = link;
    {
        const ProjectorLine line(options);
        struct stat made {};
        ASSERT_EQ(::lstat(link.c_str(), &made), 0);
        EXPECT_TRUE(S_ISLNK(made.st_mode));
        // Somebody else puts a file there meanwhile: it stays.
        ::unlink(link.c_str());
        std::ofstream(link) << "theirs";
    }
    EXPECT_EQ(::access(link.c_str(), F_OK), 0);
    std::remove(link.c_str());
    std::remove(file.c_str());
    ::rmdir(folder);
}

}  // namespace
}  // namespace qm5::projector
