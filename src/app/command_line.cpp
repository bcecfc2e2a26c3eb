// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <string>
#include <string_view>

namespace qm5 {

namespace {

/// Why an option's value is refused, as the one line the program says before it stops.
using Refusal = std::optional<std::string>;

/// What the command line asks the program to do: an option that does nothing in that mode is
/// refused rather than ignored.
enum Mode : unsigned { kPanel = 1U, kSend = 2U, kList = 4U, kFind = 8U };

/// An option of the command line: its name, its value's name (none for a switch) and its line of
/// --help, the modes it does something in, and what it sets.
struct Option {
    const char* name;
    const char* valueName;
    const char* help;
    unsigned modes;
    Refusal (*read)(CommandLine& commandLine, const QString& value);
};

constexpr char kTryHelp[] = " Try 'qm5-control --help'.";

Refusal readDevice(std::optional<std::string>& device, std::string_view option,
                   const QString& value) {
    // An empty variable in a script ("--com1 $DEV") must not send to another projector.
    if (value.trimmed().isEmpty()) {
        return std::string(option) + " names no device." + kTryHelp;
    }
    device = value.toStdString();
    return std::nullopt;
}

const Option kOptions[] = {
    {"com1", "DEVICE", "Device behind COM1.", kPanel | kSend,
     [](CommandLine& commandLine, const QString& value) {
         return readDevice(commandLine.devices[0], "--com1", value);
     }},
    {"com2", "DEVICE", "Device behind COM2.", kPanel | kSend,
     [](CommandLine& commandLine, const QString& value) {
         return readDevice(commandLine.devices[1], "--com2", value);
     }},
    {"label", "TEXT", "Adds \" - TEXT\" to the window's caption, to tell copies apart.", kPanel,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.label = value.trimmed();
         return std::nullopt;
     }},
    {"send", "WHAT",
     "Sends one command (a code such as C00, or a name from --list-commands) through the panel "
     "that has the port open, or on the port itself; prints the reply. Needs no display. Exit "
     "status: 0 a reply came, 1 none came, 2 a wrong command line, 3 the device cannot be opened.",
     kSend,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.send = findCommand(value.toStdString());
         if (commandLine.send) return std::nullopt;
         return "no command '" + value.toStdString() +
                "'. 'qm5-control --list-commands' lists them.";
     }},
    {"port", "N", "The port --send uses: 1 (default) or 2.", kSend,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         if (value == QStringLiteral("1") || value == QStringLiteral("2")) {
             commandLine.port = value.toInt();
             return std::nullopt;
         }
         return "--port takes 1 or 2, not '" + value.toStdString() + "'." + kTryHelp;
     }},
    {"list-commands", nullptr, "Lists every command: its code, its name and its button.", kList,
     [](CommandLine& commandLine, const QString&) -> Refusal {
         commandLine.listCommands = true;
         return std::nullopt;
     }},
    {"find", nullptr,
     "Asks the DEVICEs given after the options, or every serial device present, whether a "
     "projector is there, all at once, with the status query only; prints each device that "
     "answered and its status. A device in use is named on stderr, never taken. Exit status: 0 a "
     "projector answered, 1 none did.",
     kFind,
     [](CommandLine& commandLine, const QString&) -> Refusal {
         commandLine.find = true;
         return std::nullopt;
     }},
    {"log", "FILE", "Appends every frame sent and every piece received to FILE, with the time.",
     kPanel | kSend | kFind,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         // As for a device: "--log $FILE" with FILE unset must not drop the log without a word.
         if (value.trimmed().isEmpty()) return std::string("--log names no file.") + kTryHelp;
         commandLine.logFile = value;
         return std::nullopt;
     }},
};

/// Qt's own options, which QApplication takes out of the command line itself: with a value, and
/// without.
constexpr const char* kQtValueOptions[] = {
    "platform",     "display",     "style",         "stylesheet", "qwindowgeometry",
    "qwindowtitle", "qwindowicon", "platformtheme", "plugin",     "session"};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
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
                                            QString::fromLatin1(option.help),
                                            QString::fromLatin1(option.valueName)));
    }
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void refuse(const std::string& why) {
    std::fprintf(stderr, "qm5-control: %s\n", why.c_str());
}

Mode modeOf(const QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("list-commands"))) return kList;
    if (parser.isSet(QStringLiteral("find"))) return kFind;
    return parser.isSet(QStringLiteral("send")) ? kSend : kPanel;
}

std::string inMode(Mode mode) {
    switch (mode) {
        case kPanel:
            return "without --send";
        case kSend:
            return "with --send";
        case kList:
            return "with --list-commands";
        case kFind:
            return "with --find";
    }
    return {};
}

/// Why `option` is refused before its value is read: given where it does nothing, or given twice
/// where only one would count.
Refusal misplaced(const QCommandLineParser& parser, const Option& option, Mode mode) {
    const std::string name = "--" + std::string(option.name);
    if ((option.modes & mode) == 0) return name + " does nothing " + inMode(mode) + "." + kTryHelp;
    if (option.valueName != nullptr && parser.values(QString::fromLatin1(option.name)).size() > 1) {
        return name + " is given twice, and only one would count." + kTryHelp;
    }
    return std::nullopt;
}

/// The exit status when the command line is not understood, or asks only for help or the
/// version.
std::optional<int> stopsHere(const QCommandLineParser& parser, const QCommandLineOption& help,
                             const QCommandLineOption& version) {
    // Devices are named without an option only to --find.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(QStringLiteral("find"))) {
        refuse("unexpected argument '" + parser.positionalArguments().first().toStdString() + "'." +
               kTryHelp);
        return 2;
    }
    // Qt adds --help-all beside --help; the program's own options are all it has to show.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Read before QCoreApplication exists, the parser does not know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("qm5-control"));
        std::printf("%s", qPrintable(text));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("qm5-control %s\n", QM5_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

std::variant<CommandLine, int> readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    addOptions(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(version);
    if (!parser.parse(arguments)) {
        refuse(parser.errorText().toStdString() + kTryHelp);
        return 2;
    }
    if (const auto status = stopsHere(parser, help, version)) return *status;
    CommandLine commandLine;
    const Mode mode = modeOf(parser);
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
            refuse(std::string("--find names an empty device.") + kTryHelp);
            return 2;
        }
        commandLine.findDevices.push_back(device.toStdString());
    }
    return commandLine;
}

}  // namespace qm5
