// SPDX-License-Identifier: MIT
// The panel, offscreen in this process, against the virtual projector over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <memory>

#include "core/controls.h"
#include "projector_process.h"
#include "support/real_panel.h"
#include "support/ser2net_process.h"

namespace qm5::test {
namespace {

class PanelProjectorTest : public ::testing::Test {
  protected:
    /// `through` makes the device of COM1 from the projector's line: a serial device server in
    /// front of it, or the line itself.
    void connect(const QStringList& options,
                 const std::function<std::string(const std::string&)>& through = {}) {
        projector = std::make_unique<ProjectorProcess>(options);
        const std::string device = through ? through(projector->path()) : projector->path();
        panel = std::make_unique<RealPanel>(PortDevices::PerPort{device, std::nullopt});
        QTest::keyClick(&panel->window, Qt::Key_H, Qt::ControlModifier);
    }
    /// Waits until the monitor of the last exchange has cleared.
    bool settle() {
        return QTest::qWaitFor([&] { return panel->text(control::kTxdLine).isEmpty(); }, kWaitMs);
    }
    /// Asks with `query`, as an operator would, until the status line reads `expected`: each
    /// time after the monitor of the last ask has cleared, so that replies do not run together.
    ::testing::AssertionResult statusBecomes(std::string_view query, const QString& expected) {
        const bool became = QTest::qWaitFor(
            [&] {
                if (panel->text(control::kStatusLine) == expected) return true;
                panel->click(query);
                return QTest::qWaitFor(
                    [&] { return panel->text(control::kStatusLine) == expected; }, 1100);
            },
            kWaitMs);
        if (became) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "status \"" << panel->text(control::kStatusLine).toStdString() << "\", RXD \""
               << panel->text(control::kRxdLine).toStdString() << "\"\n"
               << projector->log();
    }

    std::unique_ptr<ProjectorProcess> projector;
    std::unique_ptr<RealPanel> panel;
};

TEST_F(PanelProjectorTest, powerOnCountsDownThenShowsPowerOn) {
    connect({"--warm-up", "3"});
    ASSERT_TRUE(statusBecomes(control::kStatusQuery, QStringLiteral(" Stand by")));
    settle();
    panel->click(control::kPowerOn);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->text(control::kRxdLine) == QStringLiteral(" ACK "); }, kWaitMs));
    settle();
    EXPECT_TRUE(statusBecomes(control::kStatusQuery, QStringLiteral(" Count down")));
    settle();
    EXPECT_TRUE(statusBecomes(control::kStatusQuery, QStringLiteral(" Power ON")));
}

TEST_F(PanelProjectorTest, modeShowsTheInputChosen) {
    connect({});
    panel->click(control::kInput2Rgb);  // 2-RGB
    settle();
    EXPECT_TRUE(statusBecomes(control::kModeQuery, QStringLiteral(" Input 2")));
    settle();
    panel->click(control::kInput3Video);  // 3-Video
    settle();
    EXPECT_TRUE(statusBecomes(control::kModeQuery, QStringLiteral(" Input 3")));
}

TEST_F(PanelProjectorTest, lampTimeShowsTheHours) {
    connect({"--lamp-hours", "1234"});
    EXPECT_TRUE(statusBecomes(control::kLampTimeQuery, QStringLiteral(" 1 2 3 4 Hour Use")));
    settle();
    EXPECT_TRUE(statusBecomes(control::kSettingQuery, QStringLiteral(" Normally")));
}

TEST_F(PanelProjectorTest, repliesInSmallPiecesAreDecodedWhole) {
    connect({"--split", "1", "--split-gap", "40", "--orientation", "01"});
    EXPECT_TRUE(statusBecomes(control::kSettingQuery, QStringLiteral(" Left/Right reversal")));
}

TEST_F(PanelProjectorTest, aLateReplyReplacesTheNoReplyMark) {
    connect({"--delay", "700"});
    panel->click(control::kPowerOn);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->text(control::kRxdLine) == QStringLiteral(" X X X X"); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->text(control::kRxdLine) == QStringLiteral(" ACK "); }, kWaitMs));
    EXPECT_TRUE(settle());
}

TEST_F(PanelProjectorTest, aSilentProjectorIsMarkedAsNoReply) {
    connect({"--silent"});
    panel->click(control::kPowerOn);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->text(control::kRxdLine) == QStringLiteral(" X X X X"); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->text(control::kTxdLine).isEmpty(); }, kWaitMs));
    EXPECT_NE(projector->log().find("C00\\r"), std::string::npos);
}

TEST_F(PanelProjectorTest, drivesTheProjectorBehindASerialDeviceServer) {
    std::unique_ptr<Ser2netProcess> server;
    connect({"--warm-up", "1"}, [&](const std::string& line) {
        server = std::make_unique<Ser2netProcess>(line, "9600n81");
        return server->address();
    });
    EXPECT_TRUE(statusBecomes(control::kStatusQuery, QStringLiteral(" Stand by")));
    ASSERT_TRUE(settle());
    panel->click(control::kPowerOn);
    EXPECT_TRUE(statusBecomes(control::kStatusQuery, QStringLiteral(" Power ON")));
    EXPECT_NE(projector->log().find("C00\\r"), std::string::npos);
}

}  // namespace
}  // namespace qm5::test
