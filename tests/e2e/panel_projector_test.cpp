// SPDX-License-Identifier: MIT
// The panel, offscreen in this process, against the virtual projector over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <memory>

#include "app/qt_panel.h"
#include "projector_process.h"
#include "support/ser2net_process.h"

namespace qm5::test {
namespace {

constexpr int kWaitMs = 8000;

class PanelProjectorTest : public ::testing::Test {
  protected:
    /// `through` makes the device of COM1 from the projector's line: a serial device server in
    /// front of it, or the line itself.
    void connect(const QStringList& options,
                 const std::function<std::string(const std::string&)>& through = {}) {
        projector = std::make_unique<ProjectorProcess>(options);
        const std::string device = through ? through(projector->path()) : projector->path();
        panel = std::make_unique<QtPanel>(PortDevices::PerPort{device, std::nullopt});
        panel->handlers.load();
        panel->window.show();
        QTest::keyClick(&panel->window, Qt::Key_H, Qt::ControlModifier);
    }
    void click(const char* control) {
        QTest::mouseClick(panel->window.control(control), Qt::LeftButton);
    }
    QString text(const char* label) const {
        return qobject_cast<QLabel*>(panel->window.control(label))->text();
    }
    /// Waits until the monitor of the last exchange has cleared.
    bool settle() {
        return QTest::qWaitFor([&] { return text("Label11").isEmpty(); }, kWaitMs);
    }
    /// Asks with `query`, as an operator would, until the status line reads `expected`: each
    /// time after the monitor of the last ask has cleared, so that replies do not run together.
    ::testing::AssertionResult statusBecomes(const char* query, const QString& expected) {
        const bool became = QTest::qWaitFor(
            [&] {
                if (text("Label25") == expected) return true;
                click(query);
                return QTest::qWaitFor([&] { return text("Label25") == expected; }, 1100);
            },
            kWaitMs);
        if (became) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "status \"" << text("Label25").toStdString() << "\", RXD \""
               << text("Label12").toStdString() << "\"\n"
               << projector->log();
    }

    std::unique_ptr<ProjectorProcess> projector;
    std::unique_ptr<QtPanel> panel;
};

TEST_F(PanelProjectorTest, powerOnCountsDownThenShowsPowerOn) {
    connect({"--warm-up", "3"});
    ASSERT_TRUE(statusBecomes("Command44", QStringLiteral(" Stand by")));
    settle();
    click("Command17");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text("Label12") == QStringLiteral(" ACK "); }, kWaitMs));
    settle();
    EXPECT_TRUE(statusBecomes("Command44", QStringLiteral(" Count down")));
    settle();
    EXPECT_TRUE(statusBecomes("Command44", QStringLiteral(" Power ON")));
}

TEST_F(PanelProjectorTest, modeShowsTheInputChosen) {
    connect({});
    click("Command28");  // 2-RGB
    settle();
    EXPECT_TRUE(statusBecomes("Command45", QStringLiteral(" Input 2")));
    settle();
    click("Command53");  // 3-Video
    settle();
    EXPECT_TRUE(statusBecomes("Command45", QStringLiteral(" Input 3")));
}

TEST_F(PanelProjectorTest, lampTimeShowsTheHours) {
    connect({"--lamp-hours", "1234"});
    EXPECT_TRUE(statusBecomes("Command46", QStringLiteral(" 1 2 3 4 Hour Use")));
    settle();
    EXPECT_TRUE(statusBecomes("Command47", QStringLiteral(" Normally")));
}

TEST_F(PanelProjectorTest, repliesInSmallPiecesAreDecodedWhole) {
    connect({"--split", "1", "--split-gap", "40", "--orientation", "01"});
    EXPECT_TRUE(statusBecomes("Command47", QStringLiteral(" Left/Right reversal")));
}

TEST_F(PanelProjectorTest, aLateReplyReplacesTheNoReplyMark) {
    connect({"--delay", "700"});
    click("Command17");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text("Label12") == QStringLiteral(" X X X X"); }, kWaitMs));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text("Label12") == QStringLiteral(" ACK "); }, kWaitMs));
    EXPECT_TRUE(settle());
}

TEST_F(PanelProjectorTest, aSilentProjectorIsMarkedAsNoReply) {
    connect({"--silent"});
    click("Command17");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text("Label12") == QStringLiteral(" X X X X"); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("Label11").isEmpty(); }, kWaitMs));
    EXPECT_NE(projector->log().find("C00\\r"), std::string::npos);
}

TEST_F(PanelProjectorTest, drivesTheProjectorBehindASerialDeviceServer) {
    std::unique_ptr<Ser2netProcess> server;
    connect({"--warm-up", "1"}, [&](const std::string& line) {
        server = std::make_unique<Ser2netProcess>(line, "9600n81");
        return server->address();
    });
    EXPECT_TRUE(statusBecomes("Command44", QStringLiteral(" Stand by")));
    ASSERT_TRUE(settle());
    click("Command17");
    EXPECT_TRUE(statusBecomes("Command44", QStringLiteral(" Power ON")));
    EXPECT_NE(projector->log().find("C00\\r"), std::string::npos);
}

}  // namespace
}  // namespace qm5::test
