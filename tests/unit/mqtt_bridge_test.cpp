// SPDX-License-Identifier: MIT
// The projector's name on the broker, and the broker's options on the command line.
#include <gtest/gtest.h>

#include <QSysInfo>

#include <vector>

#include "app/bridge_settings.h"
#include "app/command_line.h"

namespace qm5::test {
namespace {

TEST(BridgeIdTest, isOneTopicLevelTheSameAtEveryStart) {
    EXPECT_EQ(bridgeId({}, QStringLiteral("Hall B"), 1), QStringLiteral("hall_b"));
    EXPECT_EQ(bridgeId(QStringLiteral("a/b+#c"), QStringLiteral("Hall B"), 1),
              QStringLiteral("a_b_c"));
    EXPECT_EQ(bridgeId({}, {}, 2), topicLevel(QSysInfo::machineHostName() + "-com2"));
    // Of other letters only: named by a hash, different for different labels.
    const QString hall = bridgeId({}, QStringLiteral("会議室"), 1);
    EXPECT_TRUE(hall.startsWith(QStringLiteral("qm5-")));
    EXPECT_EQ(hall, bridgeId({}, QStringLiteral("会議室"), 1));
    EXPECT_NE(hall, bridgeId({}, QStringLiteral("講堂"), 1));
    EXPECT_NE(bridgeId({}, QStringLiteral("会議室1"), 1), bridgeId({}, QStringLiteral("講堂1"), 1));
    const QString longer = bridgeId(QString(200, 'a'), {}, 1);
    EXPECT_EQ(longer.size(), kLongestId);
    EXPECT_NE(longer, bridgeId(QString(201, 'a'), {}, 1));
}

struct Line {
    std::vector<const char*> arguments;
    bool accepted;
};

TEST(BridgeOptionsTest, needTheBrokerAndTakeOnlyWhatIsSafe) {
    for (const Line& line : {
             Line{{"--mqtt", "mqtt://h", "--poll", "2"}, true},
             Line{{"--mqtt", "mqtt://h", "--poll", "1.9"}, false},
             Line{{"--poll", "30"}, false},
             Line{{"--mqtt-id", "x", "--mqtt", "mqtt://h"}, true},
             Line{{"--mqtt-id", "x"}, false},
             Line{{"--mqtt", "mqtt://u:secret@h"}, false},
             Line{{"--mqtt", "mqtt://h", "--mqtt-discovery-prefix", "home/#"}, false},
             Line{{"--mqtt", "mqtt://h", "--send", "status"}, false},
         }) {
        std::vector<char*> argv{const_cast<char*>("qm5-control")};
        for (const char* argument : line.arguments) argv.push_back(const_cast<char*>(argument));
        const auto read = readCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(read.index() == 0, line.accepted) << line.arguments.at(1);
    }
}

}  // namespace
}  // namespace qm5::test
