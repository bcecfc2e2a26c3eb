// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace qm5 {

std::variant<CommandLine, int> readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
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
    const QCommandLineOption com1(QStringLiteral("com1"), QStringLiteral("Device behind COM1."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption com2(QStringLiteral("com2"), QStringLiteral("Device behind COM2."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    const QCommandLineOption label(
        QStringLiteral("label"),
        QStringLiteral("Adds \" - TEXT\" to the window's caption, to tell copies apart."),
        QStringLiteral("TEXT"));
    const QCommandLineOption send(
        QStringLiteral("send"),
        QStringLiteral("Sends one command (a code such as C00, or a name from --list-commands) "
                       "through the panel that has the port open, or on the port itself; prints "
                       "the reply. Needs no display. Exit status: 0 a reply came, 1 none came, 2 "
                       "a wrong command line, 3 the device cannot be opened."),
        QStringLiteral("WHAT"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The port --send uses: 1 (default) or 2."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption listCommands(
        QStringLiteral("list-commands"),
        QStringLiteral("Lists every command: its code, its name and its button."));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QStringLiteral("Appends every frame sent and every piece received to FILE, with the "
                       "time."),
        QStringLiteral("FILE"));
    parser.addOption(com1);
    parser.addOption(com2);
    parser.addOption(label);
    parser.addOption(send);
    parser.addOption(port);
    parser.addOption(listCommands);
    parser.addOption(log);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOption(version);
    // Qt's own options, which QApplication takes out of the command line itself.
    for (const char* name : {"platform", "display", "style", "stylesheet", "qwindowgeometry",
                             "qwindowtitle", "qwindowicon", "platformtheme", "plugin", "session"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "qm5-control: %s Try 'qm5-control --help'.\n",
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "qm5-control: unexpected argument '%s'. Try 'qm5-control --help'.\n",
                     qPrintable(parser.positionalArguments().first()));
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
    CommandLine commandLine;
    if (parser.isSet(com1)) commandLine.devices[0] = parser.value(com1).toStdString();
    if (parser.isSet(com2)) commandLine.devices[1] = parser.value(com2).toStdString();
    commandLine.label = parser.value(label).trimmed();
    commandLine.logFile = parser.value(log);
    commandLine.listCommands = parser.isSet(listCommands);
    if (parser.value(port) == QStringLiteral("2")) {
        commandLine.port = 2;
    } else if (parser.value(port) != QStringLiteral("1")) {
        std::fprintf(stderr,
                     "qm5-control: --port takes 1 or 2, not '%s'. Try 'qm5-control --help'.\n",
                     qPrintable(parser.value(port)));
        return 2;
    }
    if (parser.isSet(send)) {
        commandLine.send = findCommand(parser.value(send).toStdString());
        if (!commandLine.send) {
            std::fprintf(stderr,
                         "qm5-control: no command '%s'. 'qm5-control --list-commands' lists "
                         "them.\n",
                         qPrintable(parser.value(send)));
            return 2;
        }
    }
    return commandLine;
}

}  // namespace qm5
