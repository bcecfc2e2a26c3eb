// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <variant>

#include "app/end_on_signals.h"
#include "app/qt_panel.h"
#include "ui/fonts.h"

namespace {

struct CommandLine {
    qm5::PortDevices::PerPort devices;
    QString label;
};

/// What the command line asks, or the exit status when the program is to stop here: after
/// --help or --version, or on a command line it does not understand. Read before the
/// application starts, so that it works without a display.
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
    parser.addOption(com1);
    parser.addOption(com2);
    parser.addOption(label);
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
    return commandLine;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("qm5-control"));
    auto commandLine = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&commandLine)) return *status;

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();

    auto& asked = std::get<CommandLine>(commandLine);
    qm5::QtPanel panel(std::move(asked.devices));
    panel.window.setLabel(asked.label);
    const qm5::EndOnSignals endOnSignals(panel.handlers);
    panel.handlers.load();
    panel.window.show();
    return QApplication::exec();
}
