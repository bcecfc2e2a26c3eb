// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace qm5 {

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineSettings {
    int baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

/// Parses "baud,parity,data,stop" as in "19200,N,8,1"; throws SerialError when malformed.
LineSettings parseLineSettings(std::string_view text);

}  // namespace qm5
