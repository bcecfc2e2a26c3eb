// SPDX-License-Identifier: MIT
// The installed program as an operator meets it: qm5-control in an X display, clicked with real
// pointer events, against qm5-projector.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include "close_request.h"
#include "core/controls.h"
#include "projector_process.h"
#include "support/started_process.h"
#include "support/wait.h"
#include "support/x_display.h"

namespace qm5::test {
namespace {

class RealBinaryTest : public ::testing::Test {
  protected:
    /// Starts the projector, then the panel with `arguments`; COM1 is the projector's line
    /// through QM5_COM1 unless the arguments say otherwise.
    void start(const QStringList& projectorOptions, const QStringList& arguments = {}) {
        if (!projector) projector = std::make_unique<ProjectorProcess>(projectorOptions);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (arguments.isEmpty()) {
            environment.insert(QStringLiteral("QM5_COM1"),
                               QString::fromStdString(projector->path()));
        }
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configuration.path());
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(extraEnvironment);
        panel.setProcessEnvironment(environment);
        panel.start(QStringLiteral(QM5_CONTROL_BINARY), arguments);
        started = StartedProcess(panel);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !windowsNamed(kCaption).isEmpty(); }, kWaitMs))
            << "qm5-control " << (panel.state() == QProcess::Running ? "running" : "not running")
            << ", said: " << panel.readAllStandardError().toStdString();
        window = windowsNamed(kCaption).first();
    }
    void TearDown() override {
        panel.kill();
        panel.waitForFinished();
    }

    void pointAt(std::string_view control) { test::pointAt(window, control); }
    void click(std::string_view control) {
        pointAt(control);
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
    }
    bool logged(const std::string& text) {
        return QTest::qWaitFor([&] { return projector->log().find(text) != std::string::npos; },
                               kWaitMs);
    }

    static inline const QString kCaption = QStringLiteral("DRAV   QM5  CONTROL");
    QTemporaryDir configuration;
    QProcessEnvironment extraEnvironment;
    std::unique_ptr<ProjectorProcess> projector;
    QProcess panel;
    StartedProcess started;
    QString window;
};

TEST_F(RealBinaryTest, aClickSendsItsFrame) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    click(control::kPowerOn);
    EXPECT_TRUE(logged("C00\\r"));
    click(control::kScreenFull);
    EXPECT_TRUE(logged("C10\\r"));
}

TEST_F(RealBinaryTest, aHangUpDuringAHoldGivesOneWarningAndTheProgramGoesOn) {
    // By a name of its own: the program watches it after the hang-up (see NamedPty).
    const QString link = configuration.filePath(QStringLiteral("usb-Projector-if00"));
    ASSERT_NO_FATAL_FAILURE(
        start({"--link", link, "--hang-up-after", "3"}, {QStringLiteral("--com1"), link}));
    pointAt(control::kZoomPlus);  // Zoom +, repeating every 50 ms
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
    click(control::kPowerOn);
    ASSERT_TRUE(logged("C00\\r"));
    click(control::kEndButton);
    EXPECT_TRUE(panel.waitForFinished(kWaitMs));
    EXPECT_EQ(panel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(panel.exitCode(), 0) << panel.readAllStandardError().toStdString();
    EXPECT_TRUE(logged("line closed"));
}

TEST_F(RealBinaryTest, theCloseBoxEndsTheProgramAndReleasesThePort) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    click(control::kPowerOn);
    ASSERT_TRUE(logged("C00\\r"));
    sendCloseRequest(window.toULong());
    EXPECT_TRUE(panel.waitForFinished(kWaitMs));
    EXPECT_EQ(panel.exitCode(), 0) << panel.readAllStandardError().toStdString();
    EXPECT_TRUE(logged("line closed"));
}

TEST_F(RealBinaryTest, aDeviceOnTheCommandLineComesBeforeTheEnvironment) {
    projector = std::make_unique<ProjectorProcess>();
    extraEnvironment.insert(QStringLiteral("QM5_COM1"), QStringLiteral("/dev/qm5-not-this-one"));
    ASSERT_NO_FATAL_FAILURE(
        start({}, {QStringLiteral("--com1=") + QString::fromStdString(projector->path())}));
    click(control::kPowerOn);
    EXPECT_TRUE(logged("C00\\r"));
}

/// The adapter is pulled during a hold and plugged back under its name: one warning, and the
/// next click reaches the projector without the operator choosing anything.
TEST_F(RealBinaryTest, aDeviceGoneMidHoldComesBackByItself) {
    const QString link = configuration.filePath(QStringLiteral("usb-Projector-if00"));
    projector = std::make_unique<ProjectorProcess>(QStringList{
        QStringLiteral("--link"), link, QStringLiteral("--hang-up-after"), QStringLiteral("3")});
    ASSERT_NO_FATAL_FAILURE(start({}, {QStringLiteral("--com1"), link}));
    pointAt(control::kZoomPlus);  // Zoom +, repeating every 50 ms
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    ASSERT_TRUE(logged("hang up"));
    const QString box = QStringLiteral("QM5 Control");
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(box).size() == 1; }, kWaitMs));
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(box).isEmpty(); }, kWaitMs));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !projector->running(); }, kWaitMs));
    projector = std::make_unique<ProjectorProcess>(QStringList{QStringLiteral("--link"), link});
    ASSERT_TRUE(logged("line opened"));
    click(control::kPowerOn);
    EXPECT_TRUE(logged("C00\\r"));
    QTest::qWait(300);
    EXPECT_TRUE(windowsNamed(box).isEmpty());
    EXPECT_EQ(panel.state(), QProcess::Running);
}

/// A logout, systemctl stop or Ctrl+C ends the program as "END" does.
TEST_F(RealBinaryTest, anEndSignalClosesThePortAndRemovesItsLock) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ASSERT_NO_FATAL_FAILURE(start({}));
        click(control::kPowerOn);
        ASSERT_TRUE(logged("C00\\r"));
        const QString lock = lockFileOf(projector->path());
        ASSERT_TRUE(QFile::exists(lock)) << lock.toStdString();
        ASSERT_TRUE(started.signal(signal));
        EXPECT_TRUE(panel.waitForFinished(kWaitMs)) << signal;
        EXPECT_EQ(panel.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(panel.exitCode(), 0) << panel.readAllStandardError().toStdString();
        EXPECT_FALSE(QFile::exists(lock)) << signal;
        projector.reset();
    }
}

TEST_F(RealBinaryTest, aLabelTellsCopiesApart) {
    ASSERT_NO_FATAL_FAILURE(start({}, {QStringLiteral("--label"), QStringLiteral("Hall B"),
                                       QStringLiteral("--com1"), QStringLiteral("/dev/qm5-none")}));
    EXPECT_EQ(windowsNamed(QStringLiteral("^Hall B - DRAV   QM5  CONTROL  Ver\\.1\\.10 $")),
              QStringList{window});
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return windowsNamed(QStringLiteral("^Hall B - QM5 Control$")).size() == 1; },
        kWaitMs));
}

/// Installed, started from the menu with no terminal: the operator picks the adapter in the
/// program, and the next start is connected without doing anything.
TEST_F(RealBinaryTest, aDeviceChosenInTheProgramIsUsedAtOnceAndAtTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(start({}, {QStringLiteral("--com1"), QStringLiteral("/dev/qm5-none")}));
    const QString box = QStringLiteral("QM5 Control");
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(box).size() == 1; }, kWaitMs));
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(box).isEmpty(); }, kWaitMs));

    click(control::kComButton);  // COM, which takes the focus
    xdotool(
        {QStringLiteral("key"), QStringLiteral("--window"), window, QStringLiteral("shift+F10")});
    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
             QStringLiteral("Down"), QStringLiteral("Return")});
    const QString dialog = QStringLiteral("COM1 device");
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(dialog).size() == 1; }, kWaitMs));
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    xdotool({QStringLiteral("type"), QString::fromStdString(projector->path())});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(logged("line opened"));
    click(control::kPowerOn);
    ASSERT_TRUE(logged("C00\\r"));
    click(control::kEndButton);  // END
    ASSERT_TRUE(panel.waitForFinished(kWaitMs));

    ASSERT_NO_FATAL_FAILURE(start({}, {QStringLiteral("-style"), QStringLiteral("Fusion")}));
    click(control::kPowerOn);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const std::string log = projector->log();
            return log.find("C00\\r", log.find("C00\\r") + 1) != std::string::npos;
        },
        kWaitMs));
}

/// Runs qm5-control without a display, in the language `language` names, and returns its exit
/// code, output and errors.
struct Ran {
    int exitCode;
    QString out;
    QString err;
};
Ran runWithoutDisplay(const QStringList& arguments, const QString& output = {},
                      const QString& language = QStringLiteral("C"),
                      const QString& program = QStringLiteral(QM5_CONTROL_BINARY)) {
    QProcess process;
    if (!output.isEmpty()) process.setStandardOutputFile(output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
        environment.remove(QString::fromLatin1(overriding));
    }
    environment.insert(QStringLiteral("LANG"), language);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // No run reads the user's own remembered devices.
    const QTemporaryDir configuration;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configuration.path());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(kWaitMs);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CommandLineTest, helpAndVersionNeedNoDisplay) {
    EXPECT_EQ(runWithoutDisplay({QStringLiteral("--help-all")}).out,
              runWithoutDisplay({QStringLiteral("--help")}).out);
    const Ran help = runWithoutDisplay({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--com1 <DEVICE>"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--com2 <DEVICE>")));
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: qm5-control [options]\n")));
    for (const char* form : {"a serial port's path", "rfc2217://HOST:PORT", "socket://HOST:PORT"}) {
        EXPECT_TRUE(help.out.contains(QLatin1String(form))) << form;
    }
    EXPECT_FALSE(help.out.contains(QStringLiteral("click"), Qt::CaseInsensitive));
    const Ran version = runWithoutDisplay({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("qm5-control 1.10\n"));
}

/// A command line that does not say one thing is refused in one line that names the option.
TEST(CommandLineTest, aWrongCommandLineIsNamedInOneLineAndOpensNoWindow) {
    // The arguments, split at '|' (an empty one where two meet), and what the message names.
    const std::pair<const char*, const char*> rows[] = {
        {"--colour", "'colour'"},
        {"--com1", "'--com1'"},
        {"/dev/ttyUSB0", "'/dev/ttyUSB0'"},
        {"--com1|", "--com1 names no device"},
        {"--send|C00|--com2=", "--com2 names no device"},
        {"--send|C00|--log|", "--log names no file"},
        {"--port|2", "--port does nothing without --send"},
        {"--send|C02|--list-commands", "--send does nothing with --list-commands"},
        {"--send|C02|--label|Hall B", "--label does nothing with --send"},
        {"--send|C00|--send|C02", "--send is given twice"},
        {"--com1|/dev/a|--com1=/dev/b", "--com1 is given twice"},
        {"--send|C00|--port|1|--port|2", "--port is given twice"},
        {"--log|a|--log|b", "--log is given twice"},
        {"--label|a|--label|b", "--label is given twice"},
        {"--send|C00|--port|3", "--port takes 1 or 2"},
        {"--send|C99", "'C99'"},
        {"--send-raw|", "--send-raw takes 1 to 16 printable ASCII characters, not ''"},
        {"--send-raw|C\tR0", "not 'C\\x09R0'"},
        {"--send-raw|CR0CR0CR0CR0CR0CR", "--send-raw takes"},
        {"--send-raw|C\xC3\xA9", "--send-raw takes"},
        {"--send|C00|--send-raw|C00", "one frame at a time"},
        {"--every|2", "--every does nothing without --send, --send-raw or --until"},
        {"--send|C00|--timeout|5", "--timeout does nothing with --send"},
        {"--until|warm", "--until takes one of on, standby, countdown, cooling"},
        {"--until|on|--timeout|0", "--timeout takes seconds"},
        {"--json", "--json does nothing without"},
        {"--send|C00|/dev/ttyUSB0", "'/dev/ttyUSB0'"},
        {"--find|/dev/ttyUSB0|", "--find names an empty device"},
        {"--find|--com1|/dev/ttyUSB0", "--com1 does nothing with --find"},
    };
    for (const auto& [arguments, named] : rows) {
        const Ran ran = runWithoutDisplay(QString::fromUtf8(arguments).split(QLatin1Char('|')));
        const std::string said = arguments;
        EXPECT_EQ(ran.exitCode, 2) << said << "\n" << ran.err.toStdString();
        EXPECT_EQ(ran.err.count(QLatin1Char('\n')), 1) << said << "\n" << ran.err.toStdString();
        EXPECT_TRUE(ran.err.contains(QString::fromUtf8(named))) << said << "\n"
                                                                << ran.err.toStdString();
        // Where to read on: --help, or --list-commands for an unknown command.
        EXPECT_TRUE(ran.err.contains(QStringLiteral("'qm5-control --"))) << ran.err.toStdString();
        EXPECT_TRUE(ran.out.isEmpty()) << said;
    }
}

/// --list-commands and --send from the shell, without a display: what each prints and its exit
/// status. In Japanese too, where the projector's words and names stay as they are.
TEST(CommandLineTest, sendsFromTheShellAndSaysHowItWent) {
    const QString kJapanese = QStringLiteral("ja_JP.UTF-8");
    ProjectorProcess projector;
    ProjectorProcess silent({QStringLiteral("--silent")});
    const QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("traffic.log"));
    const QString line = QString::fromStdString(projector.path());
    // A name with a placeholder's look is only a name.
    const QString oddName = folder.filePath(QStringLiteral("silent%1"));
    ProjectorProcess odd({QStringLiteral("--silent"), QStringLiteral("--link"), oddName});
    const struct {
        QStringList arguments;
        int exitCode;
        QString out;  // contained in what it prints
        QString err;
        QString language = QStringLiteral("C");
    } rows[] = {
        {{QStringLiteral("--list-commands")}, 0, QStringLiteral("C00  power-on"), {}},
        {{QStringLiteral("--send"), QStringLiteral("C00"), QStringLiteral("--com1"),
          QStringLiteral("/dev/ttyUSB99")},
         3,
         {},
         QStringLiteral("COM1 (/dev/ttyUSB99): no such device. Plug in the adapter. Name another "
                        "device with --com1.\n")},
        {{QStringLiteral("--send"), QStringLiteral("POWER-ON"), QStringLiteral("--com1"), line,
          QStringLiteral("--log"), log},
         0,
         QStringLiteral(" ACK \n"),
         {}},
        {{QStringLiteral("--send"), QStringLiteral("mode"), QStringLiteral("--port"),
          QStringLiteral("2"), QStringLiteral("--com2"), line},
         0,
         QStringLiteral(" 0 CR \n Input 1\n"),
         {}},
        {{QStringLiteral("--send"), QStringLiteral("cr0"), QStringLiteral("--com1"),
          QString::fromStdString(silent.path()), QStringLiteral("--log"), log},
         1,
         {},
         QStringLiteral("qm5-control: COM1 (") + QString::fromStdString(silent.path()) +
             QStringLiteral("): no reply within 500 ms.\n")},
        {{QStringLiteral("--send"), QStringLiteral("status"), QStringLiteral("--com1"), oddName},
         1,
         {},
         QStringLiteral("qm5-control: COM1 (%1): no reply within 500 ms.\n").arg(oddName)},
        {{QStringLiteral("--send"), QStringLiteral("C00"), QStringLiteral("--com1"),
          QStringLiteral("/dev/ttyUSB99")},
         3,
         {},
         QStringLiteral(
             "COM1 (/dev/ttyUSB99): デバイスがありません。アダプターを接続してください。 "
             "--com1 で別のデバイスを指定してください。\n"),
         kJapanese},
        {{QStringLiteral("--help")},
         0,
         QStringLiteral("使い方: qm5-control [オプション]\n"),
         {},
         kJapanese},
        {{QStringLiteral("--list-commands")},
         0,
         QStringLiteral("C00  power-on                       POWER ON\n"),
         {},
         kJapanese},
        {{QStringLiteral("--send"), QStringLiteral("mode"), QStringLiteral("--com1"), line},
         0,
         QStringLiteral(" 0 CR \n Input 1\n"),
         {},
         kJapanese},
    };
    for (const auto& row : rows) {
        const Ran ran = runWithoutDisplay(row.arguments, {}, row.language);
        const std::string said = (row.language + ' ' + row.arguments.join(' ')).toStdString();
        EXPECT_EQ(ran.exitCode, row.exitCode) << said << "\n" << ran.err.toStdString();
        EXPECT_TRUE(row.out.isEmpty() ? ran.out.isEmpty() : ran.out.contains(row.out))
            << said << "\n"
            << ran.out.toStdString();
        EXPECT_TRUE(ran.err.contains(row.err)) << said << "\n" << ran.err.toStdString();
    }
    // A reply the caller cannot get is no success.
    for (const QStringList& printing :
         {QStringList{"--send", "status", "--com1", line}, QStringList{"--find", line},
          QStringList{"--help"}, QStringList{"--version"}}) {
        const Ran full = runWithoutDisplay(printing, "/dev/full");
        EXPECT_EQ(full.exitCode, 1) << printing.join(' ').toStdString();
    }
    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(" TX \" C 0 0 CR \" 43 30 30 0D")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(" RX \" ACK \" 06")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].endsWith(" TIMEOUT no reply within 500 ms")) << lines[3].toStdString();
}

/// Every line of `out` as a JSON object; a line that is none fails the test.
QList<QJsonObject> jsonLines(const QString& out) {
    QList<QJsonObject> objects;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_TRUE(document.isObject()) << line.toStdString() << error.errorString().toStdString();
        objects << document.object();
    }
    return objects;
}

/// The reply and the query behind it, as --json prints them.
QJsonObject answer(int port, const QString& device, const QString& sent, const QString& reply,
                   const QString& hex) {
    return {{"port", port},   {"device", device}, {"sent", sent},
            {"reply", reply}, {"replyHex", hex},  {"replied", !hex.isEmpty()}};
}

/// What --json prints of a frame the projector refused.
QJsonObject refusal(int port, const QString& device, const QString& sent) {
    QJsonObject refused = answer(port, device, sent, " ? ", "15");
    refused.insert("refused", true);
    refused.insert("error", QStringLiteral("COM%1 (%2): the projector refused %3.")
                                .arg(QString::number(port), device, sent));
    refused.insert("errorCode", "refused");
    return refused;
}

/// --json: one object per frame, the same exit statuses; --send-raw sends any short text.
TEST(CommandLineTest, answersInJsonForOtherPrograms) {
    ProjectorProcess projector;
    ProjectorProcess silent({QStringLiteral("--silent")});
    const QString line = QString::fromStdString(projector.path());
    const QString quiet = QString::fromStdString(silent.path());
    QJsonObject input = answer(1, line, "CR1", " 0 CR ", "30 0D");
    input.insert("status", "Input 1");
    QJsonObject noReply = answer(1, quiet, "CR0", "", "");
    noReply.insert("error", "COM1 (" + quiet + "): no reply within 500 ms.");
    noReply.insert("errorCode", "no-reply");
    QJsonObject none = answer(1, "/dev/qm5-none", "CR0", "", "");
    none.insert("error",
                "COM1 (/dev/qm5-none): no such device: check the name. Name another device "
                "with --com1.");
    none.insert("errorCode", "missing");
    const struct {
        QStringList arguments;
        int exitCode;
        QJsonObject expected;  // the last line
    } rows[] = {
        {{"--list-commands"},
         0,
         {{"code", "C5E"}, {"name", "lens-shift-down"}, {"button", "LENS SHIFT ↓"}}},
        {{"--send-raw", "CR1", "--com1", line}, 0, input},
        {{"--send-raw", " CR0", "--port", "2", "--com2", line}, 4, refusal(2, line, " CR0")},
        {{"--send-raw", "~!CR0CR0CR0CR0CR", "--com1", line},
         4,
         refusal(1, line, "~!CR0CR0CR0CR0CR")},
        {{"--send", "status", "--com1", quiet}, 1, noReply},
        {{"--send", "status", "--com1", "/dev/qm5-none"}, 3, none},
    };
    for (const auto& row : rows) {
        const Ran ran = runWithoutDisplay(QStringList(row.arguments) << "--json");
        const std::string said = row.arguments.join(' ').toStdString();
        EXPECT_EQ(ran.exitCode, row.exitCode) << said << "\n" << ran.err.toStdString();
        const QList<QJsonObject> objects = jsonLines(ran.out);
        ASSERT_FALSE(objects.isEmpty()) << said;
        EXPECT_EQ(QJsonDocument(objects.last()).toJson(), QJsonDocument(row.expected).toJson())
            << said;
    }
    EXPECT_NE(projector.log().find(" CR0\\r"), std::string::npos) << projector.log();
}

/// A name with a new line stays on its line in every output, escaped; one that is not UTF-8 is
/// refused whole rather than read as another name.
TEST(CommandLineTest, oddNamesStayOnOneLineAndTheirOwn) {
    const ProjectorProcess projector;
    const QTemporaryDir folder;
    const QString named = folder.filePath(QStringLiteral("pro\njector"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(projector.path()), named));
    const QString escaped = folder.filePath(QStringLiteral("pro\\njector"));
    EXPECT_EQ(runWithoutDisplay({"--find", named}).out, escaped + "\tStand by\n");
    const QList<QJsonObject> sent =
        jsonLines(runWithoutDisplay({"--send", "status", "--com1", named, "--json"}).out);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0]["device"].toString(), escaped);
    const Ran missing = runWithoutDisplay({"--send", "status", "--com1", named + "x"});
    EXPECT_TRUE(missing.err.startsWith("qm5-control: COM1 (" + escaped + "x): no such device") &&
                missing.err.count('\n') == 1)
        << missing.err.toStdString();
    const Ran notUtf8 =
        runWithoutDisplay({"-c", R"sh(exec "$0" --send status --com1 "$(printf '/dev/tty\377')")sh",
                           QM5_CONTROL_BINARY},
                          {}, QStringLiteral("C"), QStringLiteral("/bin/sh"));
    EXPECT_EQ(notUtf8.exitCode, 2);
    EXPECT_TRUE(notUtf8.err.contains("/dev/tty\\xff is not valid UTF-8"))
        << notUtf8.err.toStdString();
}

/// A reply 20 ms within the limit counts: a limit fired early (a coarse timer may fire at 475 ms)
/// misses most of them. A busy machine may delay one reply by 20 ms now and then.
TEST(CommandLineTest, aReplyJustWithinTheLimitCounts) {
    ProjectorProcess late({QStringLiteral("--delay"), QStringLiteral("480")});
    const QString line = QString::fromStdString(late.path());
    for (const QStringList& asking :
         {QStringList{"--send", "status", "--com1", line}, QStringList{"--find", line}}) {
        int missed = 0;
        for (int attempt = 0; attempt < 10; ++attempt) missed += runWithoutDisplay(asking).exitCode;
        EXPECT_LE(missed, 2) << asking.join(' ').toStdString();
    }
}

/// A signal during --find ends it as the signal would, and what answered before is printed; a
/// search that nothing answered says so.
TEST(CommandLineTest, aSignalDuringFindKeepsWhatAnswered) {
    ProjectorProcess projector;
    ProjectorProcess silent({QStringLiteral("--silent")});
    const QString line = QString::fromStdString(projector.path());
    const QString quiet = QString::fromStdString(silent.path());
    QProcess find;
    find.start(QStringLiteral(QM5_CONTROL_BINARY), {"--find", line, quiet});
    const StartedProcess started(find);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return silent.log().find("CR0") != std::string::npos; }, kWaitMs));
    QTest::qWait(150);  // the projector's reply in, the silent line's 500 ms still running
    ASSERT_TRUE(started.signal(SIGTERM));
    ASSERT_TRUE(find.waitForFinished(kWaitMs));
    EXPECT_EQ(find.exitCode(), 128 + SIGTERM);
    EXPECT_EQ(QString::fromUtf8(find.readAllStandardOutput()), line + "\tStand by\n");
    EXPECT_TRUE(runWithoutDisplay({"--find", quiet}).err.contains("no projector answered."));
}

/// --until against a projector that counts down 3 s after power-on.
TEST(CommandLineTest, untilWaitsForThePowerState) {
    ProjectorProcess projector({QStringLiteral("--warm-up"), QStringLiteral("3")});
    const QString line = QString::fromStdString(projector.path());
    const struct {
        QStringList arguments;
        int exitCode;
        QStringList statuses;  // of the JSON lines, or the text on stderr
    } rows[] = {
        {{"--send", "power-on", "--until", "on", "--every", "1", "--json"},
         0,
         {"", "Count down", "Power ON"}},
        {{"--until", "standby", "--timeout", "1.5"},
         1,
         {"not standby within 1.5 s; the last status seen: Power ON."}},
        {{"--until", "on", "--every", "0.5"}, 2, {"--every takes seconds from 1"}},
    };
    for (const auto& row : rows) {
        const Ran ran = runWithoutDisplay(QStringList(row.arguments) << "--com1" << line);
        const std::string said = row.arguments.join(' ').toStdString();
        EXPECT_EQ(ran.exitCode, row.exitCode) << said << "\n" << ran.err.toStdString();
        if (row.exitCode != 0) {
            EXPECT_TRUE(ran.err.contains(row.statuses.first())) << said << ran.err.toStdString();
            continue;
        }
        QStringList statuses;
        for (const QJsonObject& object : jsonLines(ran.out)) {
            statuses << object.value("status").toString();
        }
        // A query a second: a busy machine may see one "Count down" more or less.
        statuses.removeDuplicates();
        EXPECT_EQ(statuses, row.statuses) << ran.out.toStdString();
    }
    // A command the projector ignores is no reason to stop waiting; one it refuses is.
    ProjectorProcess deaf({QStringLiteral("--ignore"), QStringLiteral("C02")});
    const QString deafLine = QString::fromStdString(deaf.path());
    EXPECT_EQ(runWithoutDisplay({"--send", "power-off", "--until", "standby", "--com1", deafLine})
                  .exitCode,
              0);
    const Ran refused = runWithoutDisplay({"--send-raw", "C99", "--until", "on", "--com1", line});
    EXPECT_EQ(refused.exitCode, 4) << refused.err.toStdString();
}

/// Ctrl+C, a logout or a stop in a long --until ends it at once, as the signal does, and the
/// device it had open is let go with its lock file.
TEST(CommandLineTest, anEndSignalInAWaitLetsTheDeviceGo) {
    ProjectorProcess projector;
    const QString lock = lockFileOf(projector.path());
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QProcess until;
        until.start(QStringLiteral(QM5_CONTROL_BINARY),
                    {"--until", "on", "--com1", QString::fromStdString(projector.path())});
        const StartedProcess started(until);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lock); }, kWaitMs)) << signal;
        ASSERT_TRUE(started.signal(signal));
        EXPECT_TRUE(until.waitForFinished(kWaitMs)) << signal;
        EXPECT_EQ(until.exitCode(), 128 + signal) << until.readAllStandardError().toStdString();
        EXPECT_FALSE(QFile::exists(lock)) << signal;
    }
}

}  // namespace
}  // namespace qm5::test

int main(int argc, char* argv[]) {
    // The panels' sockets go to a runtime folder of the tests' own, never the user's.
    const QTemporaryDir runtime;  // mode 0700, as Qt wants it
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
