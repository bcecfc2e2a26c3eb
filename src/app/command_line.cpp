// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <string>

namespace qm5 {

namespace {

/// Why an option's value is refused, as the one line the program says before it stops.
using Refusal = std::optional<std::string>;

/// An option of the command line: its name, its value's name (none for a switch) and its line of
/// --help, and what it sets.
struct Option {
    const char* name;
    const char* valueName;
    const char* help;
    Refusal (*read)(CommandLine& commandLine, const QString& value);
};

const Option kOptions[] = {
    {"com1", "DEVICE", "Device behind COM1.",
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.devices[0] = value.toStdString();
         return std::nullopt;
     }},
    {"com2", "DEVICE", "Device behind COM2.",
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.devices[1] = value.toStdString();
         return std::nullopt;
     }},
    {"label", "TEXT", "Adds \" - TEXT\" to the window's caption, to tell copies apart.",
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.label = value.trimmed();
         return std::nullopt;
     }},
    {"send", "WHAT",
     "Sends one command (a code such as C00, or a name from --list-commands) through the panel "
     "that has the port open, or on the port itself; prints the reply. Needs no display. Exit "
     "status: 0 a reply came, 1 none came, 2 a wrong command line, 3 the device cannot be opened.",
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         commandLine.send = findCommand(value.toStdString());
         if (commandLine.send) return std::nullopt;
         return "no command '" + value.toStdString() +
                "'. 'qm5-control --list-commands' lists them.";
     }},
    {"port", "N", "The port --send uses: 1 (default) or 2.",
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         if (value == QStringLiteral("1") || value == QStringLiteral("2")) {
             commandLine.port = value.toInt();
             return std::nullopt;
         }
         return "--port takes 1 or 2, not '" + value.toStdString() + "'. Try 'qm5-control --help'.";
     }},
    {"list-commands", nullptr, "Lists every command: its code, its name and its button.",
     [](CommandLine& commandLine, const QString&) -> Refusal {
         commandLine.listCommands = true;
         return std::nullopt;
     }},
    {"log", "FILE", "Appends every frame sent and every piece received to FILE, with the time.",
     [](CommandLine& commandLine, const QString& value) -> Refusal {
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
        "Without --com1 or --com2: QM5_COM1 or QM5_COM2, then the device chosen in the\n"
        "program (right-click COM), then the platform's own port."));
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

/// The exit status when the command line is not understood, or asks only for help or the
/// version.
std::optional<int> stopsHere(const QCommandLineParser& parser, const QCommandLineOption& help,
                             const QCommandLineOption& version) {
    if (!parser.positionalArguments().isEmpty()) {
        refuse("unexpected argument '" + parser.positionalArguments().first().toStdString() +
               "'. Try 'qm5-control --help'.");
        return 2;
    }
    if (parser.isSet(help)) {
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
        refuse(parser.errorText().toStdString() + " Try 'qm5-control --help'.");
        return 2;
    }
    if (const auto status = stopsHere(parser, help, version)) return *status;
    CommandLine commandLine;
    for (const Option& option : kOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name)) continue;
        if (const Refusal refused = option.read(commandLine, parser.value(name))) {
            refuse(*refused);
            return 2;
        }
    }
    return commandLine;
}

}  // namespace qm5
