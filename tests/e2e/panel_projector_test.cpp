// SPDX-License-Identifier: MIT
// The panel, offscreen in this process, against the virtual projector over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <memory>

#include "core/controls.h"
#include "projector_process.h"
#include "support/real_panel.h"
#include "support/ser2net_process.h"

namespace qm5::test {
namespace {

class PanelProjectorTest : public RealPanelTest {
  protected:
    /// `through` makes the device of COM1 from the projector's line: a serial device server in
    /// front of it, or the line itself.
    void connect(const QStringList& options,
                 const std::function<std::string(const std::string&)>& through = {}) {
        projector = std::make_unique<ProjectorProcess>(options);
        const std::string device = through ? through(projector->path()) : projector->path();
        start({device, std::nullopt});
        QTest::keyClick(&panel->window, Qt::Key_H, Qt::ControlModifier);
    }
    /// Waits until the monitor of the last exchange has cleared.
    bool settle() { return panel->waitForText(control::kTxdLine, QString()); }
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
};

TEST_F(PanelProjectorTest, powerOnCountsDownThenShowsPowerOn) {
    connect({"--warm-up", "3"});
    ASSERT_TRUE(statusBecomes(control::kStatusQuery, QStringLiteral(" Stand by")));
    settle();
    panel->click(control::kPowerOn);
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, QStringLiteral(" ACK ")));
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
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, QStringLiteral(" X X X X")));
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, QStringLiteral(" ACK ")));
    EXPECT_TRUE(settle());
}

TEST_F(PanelProjectorTest, aSilentProjectorIsMarkedAsNoReply) {
    connect({"--silent"});
    panel->click(control::kPowerOn);
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, QStringLiteral(" X X X X")));
    EXPECT_TRUE(settle());
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
