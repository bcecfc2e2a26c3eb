// SPDX-License-Identifier: MIT
// The panel, offscreen in this process, against the virtual projector over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include <cstdlib>
#include <memory>

#include "app/qt_panel.h"
#include "projector_process.h"

namespace qm5::test {
namespace {

constexpr int kWaitMs = 8000;

class PanelProjectorTest : public ::testing::Test {
  protected:
    void connect(const QStringList& options) {
        projector = std::make_unique<ProjectorProcess>(options);
        ::setenv("QM5_COM1", projector->path().c_str(), 1);
        panel = std::make_unique<QtPanel>();
        panel->form.load();
        panel->window.show();
        QTest::keyClick(&panel->window, Qt::Key_H, Qt::ControlModifier);
    }
    void TearDown() override { ::unsetenv("QM5_COM1"); }

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

}  // namespace
}  // namespace qm5::test
