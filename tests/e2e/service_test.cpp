// SPDX-License-Identifier: MIT
// qm5-control --serve: the panel without a window serves its port to scripts, waits for a device
// that is not there yet, touches no other port, and ends cleanly on a signal.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "projector_process.h"
#include "support/wait.h"

namespace qm5::test {
namespace {

/// The program with the runtime and settings folders of a test's own, in English.
struct ServiceTest : ::testing::Test {
    ServiceTest() {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        environment.remove(QStringLiteral("DISPLAY"));
    }
    void start(QProcess& program, const QStringList& arguments) {
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QM5_CONTROL_BINARY), arguments);
    }
    /// Runs to its end; returns its exit status.
    int run(const QStringList& arguments, QString* err = nullptr) {
        QProcess program;
        start(program, arguments);
        EXPECT_TRUE(program.waitForFinished(kWaitMs));
        if (err != nullptr) *err = QString::fromLocal8Bit(program.readAllStandardError());
        return program.exitCode();
    }

    const QTemporaryDir runtime;
    const QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ServiceTest, refusesWhatItCannotServe) {
    const QString settings = folder.filePath(QStringLiteral("hall.conf"));
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("port=3\n");
    file.close();
    const struct {
        QStringList arguments;
        QString said;
    } rows[] = {
        {{"--serve", "--send", "status"}, "--serve does nothing with --send or --send-raw."},
        {{"--serve", "--json"}, "--json does nothing with --serve."},
        {{"--serve", "--config", folder.filePath("none.conf")}, "none.conf cannot be read."},
        {{"--serve", "--config", folder.path()}, " cannot be read."},
        {{"--serve", "--config", settings}, "port takes 1 or 2, not '3'."},
    };
    for (const auto& row : rows) {
        QString err;
        EXPECT_EQ(run(row.arguments, &err), 2) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(err.contains(row.said) && err.count('\n') <= 2) << err.toStdString();
    }
}

/// COM2 from a settings file, its device not there yet: said once, opened when it comes, served
/// to scripts, logged; COM1's device never touched; SIGTERM closes and unlocks it, status 0.
TEST_F(ServiceTest, servesItsPortFromTheMomentItsDeviceComes) {
    const ProjectorProcess other;
    const QString link = folder.filePath(QStringLiteral("hall-b"));
    const QString log = folder.filePath(QStringLiteral("traffic.log"));
    const QString settings = folder.filePath(QStringLiteral("hall.conf"));
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("port=2\ndevice=" + link + "\nlabel=Hall B\nlog=" + log + "\n").toUtf8());
    file.close();
    QProcess service;
    start(service,
          {"--serve", "--config", settings, "--com1", QString::fromStdString(other.path())});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            service.setReadChannel(QProcess::StandardError);
            return service.canReadLine();
        },
        kWaitMs));
    const QString said = QString::fromLocal8Bit(service.readLine());
    EXPECT_TRUE(said.startsWith("qm5-control (Hall B): COM2 (" + link + "): no such device"))
        << said.toStdString();

    const ProjectorProcess projector({QStringLiteral("--link"), link});
    const QString lock =
        "/var/lock/LCK.." + QString::fromStdString(projector.path()).mid(5).replace('/', '_');
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, kWaitMs));
    QString err;
    EXPECT_EQ(run({"--send", "status", "--port", "2", "--com2", link}, &err), 0)
        << err.toStdString();
    QFile traffic(log);
    ASSERT_TRUE(traffic.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        traffic.readAll().contains("COM2 " + QFile::encodeName(link) + " TX \" C R 0 CR \""));
    EXPECT_EQ(other.log(), "");

    ::kill(static_cast<pid_t>(service.processId()), SIGTERM);
    ASSERT_TRUE(service.waitForFinished(kWaitMs));
    EXPECT_EQ(service.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(service.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(lock));
    EXPECT_EQ(service.readAllStandardError(), "");
}

}  // namespace
}  // namespace qm5::test
