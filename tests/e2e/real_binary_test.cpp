// SPDX-License-Identifier: MIT
// The installed program as an operator meets it: qm5-control in an X display, clicked with real
// pointer events, against qm5-projector.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <memory>

#include "close_request.h"
#include "projector_process.h"
#include "ui/control_table.h"

namespace qm5::test {
namespace {

constexpr int kWaitMs = 5000;

QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(kWaitMs);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

/// Window ids of the top-level windows whose name contains `name`.
QStringList windowsNamed(const QString& name) {
    const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), name});
    return found.isEmpty() ? QStringList() : found.split(QLatin1Char('\n'));
}

class RealBinaryTest : public ::testing::Test {
  protected:
    void start(const QStringList& projectorOptions) {
        projector = std::make_unique<ProjectorProcess>(projectorOptions);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QM5_COM1"), QString::fromStdString(projector->path()));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        panel.setProcessEnvironment(environment);
        panel.start(QStringLiteral(QM5_CONTROL_BINARY), {});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !windowsNamed(kCaption).isEmpty(); }, kWaitMs))
            << "qm5-control " << (panel.state() == QProcess::Running ? "running" : "not running")
            << ", said: " << panel.readAllStandardError().toStdString();
        window = windowsNamed(kCaption).first();
    }
    void TearDown() override {
        panel.kill();
        panel.waitForFinished();
    }

    /// Moves the pointer onto the middle of a control.
    void pointAt(std::string_view control) {
        const ControlSpec* spec = findControl(control);
        TwipRect rect = spec->geometry;
        if (!spec->container.empty()) {
            rect.left += findControl(spec->container)->geometry.left;
            rect.top += findControl(spec->container)->geometry.top;
        }
        // The window is 9510 twips wide, whatever the screen's pixels per inch.
        const QStringList size =
            xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                .split(QLatin1Char('\n'))
                .filter(QStringLiteral("WIDTH="));
        const double scale = size.first().section(QLatin1Char('='), 1).toDouble() / 9510.0;
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                 QString::number(qRound((rect.left + rect.width / 2.0) * scale)),
                 QString::number(qRound((rect.top + rect.height / 2.0) * scale))});
    }
    void click(std::string_view control) {
        pointAt(control);
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
    }
    bool logged(const std::string& text) {
        return QTest::qWaitFor([&] { return projector->log().find(text) != std::string::npos; },
                               kWaitMs);
    }

    static inline const QString kCaption = QStringLiteral("DRAV   QM5  CONTROL");
    std::unique_ptr<ProjectorProcess> projector;
    QProcess panel;
    QString window;
};

TEST_F(RealBinaryTest, aClickSendsItsFrame) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    click("Command17");
    EXPECT_TRUE(logged("C00\\r"));
    click("Command32");
    EXPECT_TRUE(logged("C10\\r"));
}

TEST_F(RealBinaryTest, aHangUpDuringAHoldGivesOneWarningAndTheProgramGoesOn) {
    ASSERT_NO_FATAL_FAILURE(start({"--hang-up-after", "3"}));
    pointAt("Command15");  // Zoom +, repeating every 50 ms
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    ASSERT_TRUE(logged("hang up"));
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return windowsNamed(QStringLiteral("QM5 Control")).size() == 1; }, kWaitMs));
    QTest::qWait(500);
    EXPECT_EQ(windowsNamed(QStringLiteral("QM5 Control")).size(), 1);
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return windowsNamed(QStringLiteral("QM5 Control")).isEmpty(); }, kWaitMs));
    EXPECT_EQ(panel.state(), QProcess::Running);
}

TEST_F(RealBinaryTest, endClosesThePortAndEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    click("Command17");
    ASSERT_TRUE(logged("C00\\r"));
    click("Command16");
    EXPECT_TRUE(panel.waitForFinished(kWaitMs));
    EXPECT_EQ(panel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(panel.exitCode(), 0) << panel.readAllStandardError().toStdString();
    EXPECT_TRUE(logged("line closed"));
}

TEST_F(RealBinaryTest, theCloseBoxEndsTheProgramAndReleasesThePort) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    click("Command17");
    ASSERT_TRUE(logged("C00\\r"));
    sendCloseRequest(window.toULong());
    EXPECT_TRUE(panel.waitForFinished(kWaitMs));
    EXPECT_EQ(panel.exitCode(), 0) << panel.readAllStandardError().toStdString();
    EXPECT_TRUE(logged("line closed"));
}

}  // namespace
}  // namespace qm5::test

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
