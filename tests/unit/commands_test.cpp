// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <regex>
#include <set>

#include "link/traffic_log.h"
#include "panel/commands.h"

namespace qm5 {
namespace {

TEST(CommandsTest, namesEveryCommandOnceAndFindsItByCodeOrName) {
    std::set<std::string> names;
    for (const Command& command : panelCommands()) {
        EXPECT_TRUE(std::regex_match(command.name, std::regex("[a-z0-9]+(-[a-z0-9]+)*")))
            << command.name;
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
    }
    const std::pair<const char*, const char*> found[] = {
        {"C00", "C00"},           {"cr0", "CR0"},      {"power-on", "C00"},
        {"STATUS", "CR0"},        {"vol-plus", "C09"}, {"vol-minus", "C0A"},
        {"lens-shift-up", "C5D"}, {"up", "C3C"},       {"input-select-2-rgb", "C06"}};
    for (const auto& [what, code] : found) {
        const auto command = findCommand(what);
        ASSERT_TRUE(command.has_value()) << what;
        EXPECT_EQ(command->code, code) << what;
    }
    // The panel's spelling and the dictionary's.
    for (const char* name : {"power-manegement-on", "Power-Management-On"}) {
        EXPECT_EQ(findCommand(name).value_or(Command{}).code, "C2A") << name;
    }
    for (const char* unknown : {"", "C", "C00\r", "power on", "XYZ"}) {
        EXPECT_FALSE(findCommand(unknown).has_value()) << unknown;
    }
}

struct NoComplaint final : TrafficLogEvents {
    void onLogFailed(const std::string& why) override { complaints.push_back(why); }
    std::vector<std::string> complaints;
};

TEST(TrafficLogTest, appendsALinePerFrameAndPieceAndTouchesNothingBefore) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("traffic.log"));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::WriteOnly));
    before.write("earlier\n");
    before.close();

    NoComplaint events;
    TrafficLog log(path, events);
    ASSERT_EQ(log.open(), std::nullopt);
    log.record(TrafficRecorder::Direction::Sent, "COM1", "/dev/ttyUSB0", "C00\r");
    log.record(TrafficRecorder::Direction::Received, "COM1", "/dev/ttyUSB0",
               std::string("\x06\xff", 2));

    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4);  // and the empty piece after the last newline
    EXPECT_EQ(lines[0], "earlier");
    const std::string time = R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}(Z|[+-]\d\d:\d\d))";
    EXPECT_TRUE(
        std::regex_match(lines[1].toStdString(),
                         std::regex(time + R"( COM1 /dev/ttyUSB0 TX " C 0 0 CR " 43 30 30 0D)")))
        << lines[1].toStdString();
    EXPECT_TRUE(std::regex_match(lines[2].toStdString(),
                                 std::regex(time + R"( COM1 /dev/ttyUSB0 RX " ACK \? " 06 FF)")))
        << lines[2].toStdString();
    EXPECT_TRUE(events.complaints.empty());
}

TEST(TrafficLogTest, startsANewFileAtThePathOnceTheFileWasRenamedOrRemoved) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("traffic.log"));
    NoComplaint events;
    TrafficLog log(path, events);
    ASSERT_EQ(log.open(), std::nullopt);
    const QString rotated = path + QStringLiteral(".1");
    ASSERT_TRUE(QFile::rename(path, rotated));
    log.record(TrafficRecorder::Direction::Sent, "COM1", "/dev/ttyUSB0", "C00\r");
    EXPECT_EQ(QFileInfo(rotated).size(), 0);
    ASSERT_TRUE(QFile::remove(path));  // the line went to a new file there
    log.record(TrafficRecorder::Direction::Sent, "COM1", "/dev/ttyUSB0", "C02\r");
    EXPECT_GT(QFileInfo(path).size(), 0);
}

TEST(TrafficLogTest, saysOnceWhenTheFileCannotBeOpened) {
    // A FIFO without a reader would hold the opening, and the program, for ever.
    const QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/proc/qm5-no/traffic.log"), fifo}) {
        NoComplaint events;
        TrafficLog log(path, events);
        const auto failure = log.open();
        ASSERT_TRUE(failure.has_value());
        EXPECT_NE(failure->find(path.toStdString()), std::string::npos);
        log.record(TrafficRecorder::Direction::Sent, "COM1", "/dev/ttyUSB0", "C00\r");
        EXPECT_TRUE(events.complaints.empty());
    }
}

}  // namespace
}  // namespace qm5
