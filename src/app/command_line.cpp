// SPDX-License-Identifier: MIT
#include "app/command_line.h"
#include "core/escaped_name.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "app/option_values.h"
#include "app/qt_options.h"
#include "link/raw_frame.h"
#include "shell/shell_output.h"

namespace qm5 {

namespace {

/// What the command line asks the program to do: an option that does nothing in that mode is
/// refused rather than ignored.
using Mode = CommandLine::Mode;

/// The modes an option serves, one bit each.
constexpr unsigned bitOf(Mode mode) {
    return 1U << static_cast<unsigned>(mode);
}
constexpr unsigned kPanel = bitOf(Mode::Window);
constexpr unsigned kSend = bitOf(Mode::Send);
constexpr unsigned kUntil = bitOf(Mode::Until);
constexpr unsigned kFind = bitOf(Mode::Find);
constexpr unsigned kList = bitOf(Mode::ListCommands);
constexpr unsigned kShell = kSend | kUntil;

/// An option of the command line: its name, its value's name (none for a switch) and its line of
/// --help, the modes it does something in, and what it sets.
struct Option {
    const char* name;
    const char* valueName;
    const char* help;
    unsigned modes;
    Refusal (*read)(CommandLine& commandLine, const QString& value);
};

const Option kOptions[] = {
    {"com1", "DEVICE", QT_TRANSLATE_NOOP("CommandLine", "Device behind COM1."), kPanel | kShell,
     [](CommandLine& commandLine, const QString& value) {
         return readDevice(commandLine.devices[0], "--com1", value);
     }},
    {"com2", "DEVICE", QT_TRANSLATE_NOOP("CommandLine", "Device behind COM2."), kPanel | kShell,
     [](CommandLine& commandLine, const QString& value) {
         return readDevice(commandLine.devices[1], "--com2", value);
     }},
    {"label", "TEXT",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Puts \"TEXT - \" before the window's caption, to tell copies apart."),
     kPanel,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.label = value.trimmed();
         return std::nullopt;
     }},
    {"send", "WHAT",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Sends one command (a code such as C00, or a name from --list-commands) through the "
         "panel that has the port open, or on the port itself; prints the reply as soon as it is "
         "whole. Needs no display. Exit status: 0 a reply came, 1 none came, 2 a wrong command "
         "line, 3 the device cannot be opened, 4 the projector refused the frame."),
     kShell,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.send = findCommand(value.toStdString());
         if (commandLine.send) return std::nullopt;
         return QCoreApplication::translate(
                    "CommandLine", "no command '%1'. 'qm5-control --list-commands' lists them.")
             .arg(shown(value));
     }},
    {"send-raw", "TEXT",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Sends TEXT and CR as one frame, as --send does: a code no button has. "
                       "TEXT is 1 to 16 printable ASCII characters."),
     kShell,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         const std::string text = value.toStdString();
         if (isRawFrameText(text)) {
             commandLine.sendRaw = text;
             return std::nullopt;
         }
         return withHelp(
             QCoreApplication::translate(
                 "CommandLine", "--send-raw takes 1 to 16 printable ASCII characters, not '%1'.")
                 .arg(shown(value)));
     }},
    {"port", "N",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The port --send, --send-raw and --until use: 1 (default) or 2."),
     kShell,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         if (value == QStringLiteral("1") || value == QStringLiteral("2")) {
             commandLine.port = value.toInt();
             return std::nullopt;
         }
         return withHelp(
             QCoreApplication::translate("CommandLine", "--port takes 1 or 2, not '%1'.")
                 .arg(shown(value)));
     }},
    {"until", "STATE",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Asks the status (after --send or --send-raw, if given) until the power state is STATE: "
         "on, standby, countdown, cooling, power-abnormal or temperature-abnormal. Exit status: "
         "0 reached, 1 not reached within --timeout, 3 the device cannot be opened, 4 the "
         "projector refused the frame sent first."),
     kUntil, readUntil},
    {"every", "S",
     QT_TRANSLATE_NOOP("CommandLine",
                       "How often --until asks the status, in seconds: 2 by default, 1 at least."),
     kUntil,
     [](CommandLine& commandLine, const QString& value) {
         // Projectors asked more often may lock up.
         return readSeconds(commandLine.until->every, "--every", value, 1, 3600);
     }},
    {"timeout", "S",
     QT_TRANSLATE_NOOP("CommandLine", "How long --until waits, in seconds: 120 by default."),
     kUntil,
     [](CommandLine& commandLine, const QString& value) {
         return readSeconds(commandLine.until->timeout, "--timeout", value, 0.001, 86400);
     }},
    {"json", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--send, --send-raw, --until, --find and --list-commands print one JSON "
                       "object a line, for other programs."),
     kShell | kList | kFind,
     [](CommandLine& commandLine, const QString&) -> Refusal {
         commandLine.json = true;
         return std::nullopt;
     }},
    {"list-commands", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Lists every command: its code, its name and its button."),
     kList, [](CommandLine&, const QString&) -> Refusal { return std::nullopt; }},
    {"find", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Asks the DEVICEs given after the options, or every serial device present, whether a "
         "projector is there, all at once, with the status query only; prints each device that "
         "answered and its status. A device that is locked, held exclusively or open in a process "
         "of this user is named on stderr and left alone; another user's program that does none "
         "of these cannot be seen. Opening a port raises its DTR line, which resets some boards "
         "(Arduino-type). Exit status: 0 a projector answered, 1 none did."),
     kFind, [](CommandLine&, const QString&) -> Refusal { return std::nullopt; }},
    {"log", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Appends every frame sent and every piece received to FILE, with the time."),
     kPanel | kShell | kFind,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         // As for a device: "--log $FILE" with FILE unset must not drop the log without a word.
         if (value.trimmed().isEmpty())
             return withHelp(QCoreApplication::translate("CommandLine", "--log names no file."));
         commandLine.logFile = value;
         return std::nullopt;
     }},
};

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Remote-control panel for a data/video projector on an RS-232C line.\n\n"
        "DEVICE is one of:\n"
        "  a serial port's path     /dev/ttyUSB0, /dev/serial/by-id/...\n"
        "  rfc2217://HOST:PORT      a serial device server with RFC 2217 (ser2net)\n"
        "  socket://HOST:PORT       a serial device server in raw TCP mode\n"
        "HOST is a name, an IPv4 address or an IPv6 address in brackets ([::1]).\n"
        "Without --com1 or --com2: QM5_COM1 or QM5_COM2 (an empty one counts as unset),\n"
        "then the device last chosen in the panel, then the platform's own port."));
    // "-platform" is one of Qt's own options, not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : kOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            QCoreApplication::translate("CommandLine", option.help),
                                            QString::fromLatin1(option.valueName)));
    }
    addQtOwnOptions(parser);
}

void refuse(const QString& why) {
    std::fprintf(stderr, "qm5-control: %s\n", qPrintable(why));
}

Mode modeOf(const QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("list-commands"))) return Mode::ListCommands;
    if (parser.isSet(QStringLiteral("find"))) return Mode::Find;
    if (parser.isSet(QStringLiteral("until"))) return Mode::Until;
    const bool send =
        parser.isSet(QStringLiteral("send")) || parser.isSet(QStringLiteral("send-raw"));
    return send ? Mode::Send : Mode::Window;
}

/// Why `name` is refused in `mode`, a whole sentence for each mode.
QString doesNothing(const QString& name, Mode mode) {
    switch (mode) {
        case Mode::Window:
            return QCoreApplication::translate(
                       "CommandLine", "%1 does nothing without --send, --send-raw or --until.")
                .arg(name);
        case Mode::Send:
            return QCoreApplication::translate("CommandLine",
                                               "%1 does nothing with --send or --send-raw.")
                .arg(name);
        case Mode::ListCommands:
            return QCoreApplication::translate("CommandLine",
                                               "%1 does nothing with --list-commands.")
                .arg(name);
        case Mode::Until:
            return QCoreApplication::translate("CommandLine", "%1 does nothing with --until.")
                .arg(name);
        case Mode::Find:
            return QCoreApplication::translate("CommandLine", "%1 does nothing with --find.")
                .arg(name);
    }
    return {};
}

/// Why `option` is refused before its value is read: given where it does nothing, or given twice
/// where only one would count.
Refusal misplaced(const QCommandLineParser& parser, const Option& option, Mode mode) {
    const QString name = QStringLiteral("--") + QLatin1String(option.name);
    if ((option.modes & bitOf(mode)) == 0) return withHelp(doesNothing(name, mode));
    if (option.valueName != nullptr && parser.values(QString::fromLatin1(option.name)).size() > 1) {
        return withHelp(QCoreApplication::translate("CommandLine",
                                                    "%1 is given twice, and only one would count.")
                            .arg(name));
    }
    return std::nullopt;
}

/// The exit status when the command line is not understood, or asks only for help or the
/// version.
std::optional<int> stopsHere(const QCommandLineParser& parser, const QCommandLineOption& help,
                             const QCommandLineOption& version) {
    // Devices are named without an option only to --find.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(QStringLiteral("find"))) {
        refuse(withHelp(QCoreApplication::translate("CommandLine", "unexpected argument '%1'.")
                            .arg(parser.positionalArguments().first())));
        return 2;
    }
    // Qt adds --help-all beside --help; the program's own options are all it has to show.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Read before QCoreApplication exists, the parser does not know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("qm5-control"));
        std::printf("%s", qPrintable(text));
        return writtenOut(0);
    }
    if (parser.isSet(version)) {
        std::printf("qm5-control %s\n", QM5_VERSION);
        return writtenOut(0);
    }
    if (parser.isSet(QStringLiteral("send")) && parser.isSet(QStringLiteral("send-raw"))) {
        refuse(withHelp(QCoreApplication::translate(
            "CommandLine", "--send and --send-raw: one frame at a time.")));
        return 2;
    }
    return std::nullopt;
}

}  // namespace

std::variant<CommandLine, int> readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        // Read as UTF-8, such a name would become another one, which may exist.
        if (!isValidUtf8(argv[i])) {
            //: %1 is the argument, its odd bytes written \xNN.
            refuse(QCoreApplication::translate(
                       "CommandLine",
                       "%1 is not valid UTF-8, and Qt opens only names that are: give the device "
                       "or file by a link whose name is (ln -s).")
                       .arg(QString::fromStdString(escapedName(argv[i]))));
            return 2;
        }
        arguments << QString::fromLocal8Bit(argv[i]);
    }

    QCommandLineParser parser;
    addOptions(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Displays version information."));
    parser.addOption(version);
    if (!parser.parse(arguments)) {
        refuse(withHelp(parser.errorText()));
        return 2;
    }
    if (const auto status = stopsHere(parser, help, version)) return *status;
    CommandLine commandLine;
    const Mode mode = modeOf(parser);
    commandLine.mode = mode;
    // In the table's order: --until comes before --every and --timeout, which it holds.
    for (const Option& option : kOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name)) continue;
        Refusal refused = misplaced(parser, option, mode);
        if (!refused) refused = option.read(commandLine, parser.value(name));
        if (refused) {
            refuse(*refused);
            return 2;
        }
    }
    for (const QString& device : parser.positionalArguments()) {
        // As for --com1: an empty variable in a script must not stand for every device.
        if (device.trimmed().isEmpty()) {
            refuse(withHelp(
                QCoreApplication::translate("CommandLine", "--find names an empty device.")));
            return 2;
        }
        commandLine.findDevices.push_back(device.toStdString());
    }
    return commandLine;
}

}  // namespace qm5
