// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <optional>
#include <string>

#include "app/command_line.h"

namespace qm5 {

/// Why an option's value is refused, as the one line the program says before it stops.
using Refusal = std::optional<QString>;

/// `why`, and where to read on.
QString withHelp(const QString& why);
/// `value` with its control characters written out, so that a message stays one line.
QString shown(const QString& value);

Refusal readDevice(std::optional<std::string>& device, const char* option, const QString& value);
/// Whole seconds or a fraction, from `least` to `most`, into `duration`.
Refusal readSeconds(std::chrono::milliseconds& duration, const char* option, const QString& value,
                    double least, double most);
/// --until: a power state's name.
Refusal readUntil(CommandLine& commandLine, const QString& value);

/// --mqtt's URL, and the options that need it.
Refusal readMqtt(CommandLine& commandLine, const QString& value);
/// `value` into the --mqtt option's `field`, or why it does nothing without --mqtt.
Refusal readMqttText(CommandLine& commandLine, QString MqttOptions::*field, const char* option,
                     const QString& value);
Refusal readPoll(CommandLine& commandLine, const QString& value);

}  // namespace qm5
