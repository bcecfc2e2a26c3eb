// SPDX-License-Identifier: MIT
#include "app/option_table.h"

#include <QCoreApplication>

#include "link/raw_frame.h"

namespace qm5 {

namespace {

using Mode = CommandLine::Mode;

const Option kOptions[] = {
    {"com1", "DEVICE", QT_TRANSLATE_NOOP("CommandLine", "Device behind COM1."),
     kPanel | kShell | kServe,
     [](CommandLine& commandLine, const QString& value) {
         return readDevice(commandLine.devices[0], "--com1", value);
     }},
    {"com2", "DEVICE", QT_TRANSLATE_NOOP("CommandLine", "Device behind COM2."),
     kPanel | kShell | kServe,
     [](CommandLine& commandLine, const QString& value) {
         return readDevice(commandLine.devices[1], "--com2", value);
     }},
    {"label", "TEXT",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Puts \"TEXT - \" before the window's caption, or a service's messages, "
                       "to tell copies apart."),
     kPanel | kServe,
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
                       "The port --send, --send-raw, --until and --serve use: 1 (default) or 2."),
     kShell | kServe,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         if (value == QStringLiteral("1") || value == QStringLiteral("2")) {
             commandLine.port = value.toInt();
             commandLine.portGiven = true;
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
     kPanel | kShell | kFind | kServe,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         // As for a device: "--log $FILE" with FILE unset must not drop the log without a word.
         if (value.trimmed().isEmpty())
             return withHelp(QCoreApplication::translate("CommandLine", "--log names no file."));
         commandLine.logFile = value;
         return std::nullopt;
     }},
    {"serve", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Serves the port without a window or a display: opens its device, brings it back "
         "when it returns, and serves scripts as the panel does, until SIGTERM, SIGINT or "
         "SIGHUP (exit status 0)."),
     kServe, [](CommandLine&, const QString&) -> Refusal { return std::nullopt; }},
    {"config", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --serve: reads device, port, label, log and the broker's keys (mqtt, "
                       "mqtt-password-file, mqtt-id, mqtt-discovery-prefix, poll) from FILE "
                       "(key=value lines); the command line's options come first."),
     kServe,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         if (value.trimmed().isEmpty())
             return withHelp(QCoreApplication::translate("CommandLine", "--config names no file."));
         commandLine.configFile = value;
         return std::nullopt;
     }},
    {"mqtt", "URL",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Joins the broker at URL (mqtt://[USER@]HOST[:PORT], or mqtts:// with the system's "
         "certificate authorities): the projector is announced to Home Assistant, its state is "
         "asked in turn with every other frame and kept in retained topics under "
         "qm5-control/ID/, and commands are taken from there. The password comes from "
         "--mqtt-password-file or QM5_MQTT_PASSWORD."),
     kPanel | kServe, readMqtt},
    {"mqtt-password-file", "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "Reads the broker's password from FILE's first line."),
     kPanel | kServe,
     [](CommandLine& commandLine, const QString& value) {
         return readMqttText(commandLine, &MqttOptions::passwordFile, "--mqtt-password-file",
                             value);
     }},
    {"mqtt-id", "ID",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The projector's topic level and identifier: the label's by default, or "
                       "the host's and the port's."),
     kPanel | kServe,
     [](CommandLine& commandLine, const QString& value) {
         return readMqttText(commandLine, &MqttOptions::id, "--mqtt-id", value);
     }},
    {"mqtt-discovery-prefix", "PREFIX",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Home Assistant's discovery prefix: homeassistant by default."),
     kPanel | kServe,
     [](CommandLine& commandLine, const QString& value) -> Refusal {
         // A wildcard would announce to no one, or to every prefix.
         if (value.contains(QLatin1Char('+')) || value.contains(QLatin1Char('#'))) {
             return withHelp(QCoreApplication::translate(
                 "CommandLine", "--mqtt-discovery-prefix takes no '+' or '#'."));
         }
         return readMqttText(commandLine, &MqttOptions::discoveryPrefix, "--mqtt-discovery-prefix",
                             value);
     }},
    {"poll", "S",
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --mqtt: how often the power state is asked, in seconds: 30 by "
                       "default, 2 at least; every 2 s while the projector warms up or cools "
                       "down."),
     kPanel | kServe, readPoll},
};

}  // namespace

std::span<const Option> programOptions() {
    return kOptions;
}

}  // namespace qm5
