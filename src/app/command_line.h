// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "link/port_devices.h"
#include "mqtt/mqtt_url.h"
#include "panel/commands.h"
#include "shell/until.h"

namespace qm5 {

/// --mqtt and the options that go with it.
struct MqttOptions {
    MqttUrl url;
    /// The file the broker's password is read from; QM5_MQTT_PASSWORD otherwise.
    QString passwordFile;
    /// The projector's topic level; the label's, or the host's and the port's, otherwise.
    QString id;
    QString discoveryPrefix = QStringLiteral("homeassistant");
    std::chrono::seconds poll{30};
};

struct CommandLine {
    /// The way into the program the command line asks for: the window unless a mode's option is
    /// given.
    enum class Mode { Window, Send, Until, Find, ListCommands, Serve };

    Mode mode = Mode::Window;
    PortDevices::PerPort devices;
    QString label;
    /// --send or --send-raw: the command or the text to send from the shell, and the port it
    /// goes to.
    std::optional<Command> send;
    std::optional<std::string> sendRaw;
    int port = 1;
    /// Whether --port was given: a service's settings file names the port otherwise.
    bool portGiven = false;
    /// --until: the power state to wait for, after the frame sent if there is one.
    std::optional<Waiting> until;
    /// --json: answers as one JSON object a line.
    bool json = false;
    /// --log: the file the traffic is appended to; empty for none.
    QString logFile;
    /// The devices --find asks: none for every serial device present.
    std::vector<std::string> findDevices;
    /// --config: the service's settings file; empty for none.
    QString configFile;
    /// --mqtt: the broker the panel or the service joins.
    std::optional<MqttOptions> mqtt;
};

/// What the command line asks, or the exit status when the program is to stop here: after
/// --help or --version, or on a command line it does not understand (one line on stderr). Read
/// before the application starts, so that it works without a display.
std::variant<CommandLine, int> readCommandLine(int argc, char* argv[]);

}  // namespace qm5
