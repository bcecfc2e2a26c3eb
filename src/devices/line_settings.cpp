// SPDX-License-Identifier: MIT
#include "devices/line_settings.h"

#include <charconv>
#include <string>
#include <vector>

#include "core/serial_error.h"

namespace qm5 {

namespace {

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string_view::npos;
         start = comma + 1) {
        fields.push_back(text.substr(start, comma - start));
    }
    fields.push_back(text.substr(start));
    return fields;
}

bool parseInt(std::string_view field, int& value) {
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    return !field.empty() && result.ec == std::errc{} && result.ptr == end;
}

}  // namespace

LineSettings parseLineSettings(std::string_view text) {
    const auto fail = [&]() -> LineSettings {
        throw SerialError("Invalid line settings \"" + std::string(text) +
                          "\": expected baud,parity,data bits,stop bits, e.g. 19200,N,8,1.");
    };
    const std::vector<std::string_view> fields = splitFields(text);
    if (fields.size() != 4) return fail();

    LineSettings settings;
    if (!parseInt(fields[0], settings.baudRate) || settings.baudRate <= 0) return fail();

    if (fields[1].size() != 1) return fail();
    switch (fields[1][0]) {
        case 'N':
        case 'n':
            settings.parity = Parity::None;
            break;
        case 'E':
        case 'e':
            settings.parity = Parity::Even;
            break;
        case 'O':
        case 'o':
            settings.parity = Parity::Odd;
            break;
        case 'M':
        case 'm':
            settings.parity = Parity::Mark;
            break;
        case 'S':
        case 's':
            settings.parity = Parity::Space;
            break;
        default:
            return fail();
    }

    if (!parseInt(fields[2], settings.dataBits) || settings.dataBits < 5 || settings.dataBits > 8) {
        return fail();
    }

    if (fields[3] == "1") {
        settings.stopBits = StopBits::One;
    } else if (fields[3] == "1.5") {
        settings.stopBits = StopBits::OneAndHalf;
    } else if (fields[3] == "2") {
        settings.stopBits = StopBits::Two;
    } else {
        return fail();
    }
    return settings;
}

}  // namespace qm5
