// SPDX-License-Identifier: MIT
#include "app/command_line.h"
#include "core/escaped_name.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "app/option_table.h"
#include "app/option_values.h"
#include "app/qt_options.h"
#include "link/raw_frame.h"
#include "shell/shell_output.h"

namespace qm5 {

namespace {

using Mode = CommandLine::Mode;

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
    for (const Option& option : programOptions()) {
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
    if (send) return Mode::Send;
    return parser.isSet(QStringLiteral("serve")) ? Mode::Serve : Mode::Window;
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
        case Mode::Serve:
            return QCoreApplication::translate("CommandLine", "%1 does nothing with --serve.")
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
    for (const Option& option : programOptions()) {
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
