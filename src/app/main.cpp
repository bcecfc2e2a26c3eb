// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <variant>

#include "app/qt_panel.h"
#include "ui/fonts.h"

namespace {

/// The devices given on the command line, or the exit status when the program is to stop
/// here: after --help or --version, or on a command line it does not understand. Read before
/// the application starts, so that it works without a display.
std::variant<qm5::PortDevices::PerPort, int> readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Remote-control panel for a data/video projector on an RS-232C line.\n"
        "DEVICE is a serial port's path; without --com1 or --com2, QM5_COM1 or QM5_COM2, then "
        "the device chosen in the program (right-click COM), then the platform's own port."));
    // "-platform" is one of Qt's own options, not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption com1(QStringLiteral("com1"), QStringLiteral("Device behind COM1."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption com2(QStringLiteral("com2"), QStringLiteral("Device behind COM2."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(com1);
    parser.addOption(com2);
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
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("qm5-control %s\n", QM5_VERSION);
        return 0;
    }
    qm5::PortDevices::PerPort devices;
    if (parser.isSet(com1)) devices[0] = parser.value(com1).toStdString();
    if (parser.isSet(com2)) devices[1] = parser.value(com2).toStdString();
    return devices;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("qm5-control"));
    auto commandLine = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&commandLine)) return *status;

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();

    qm5::QtPanel panel(std::get<qm5::PortDevices::PerPort>(std::move(commandLine)));
    panel.handlers.load();
    panel.window.show();
    return QApplication::exec();
}
