// SPDX-License-Identifier: MIT
#include "options.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace qm5::projector {

const char* const kUsage = R"(Usage: qm5-projector [OPTION]...
A virtual projector on a pseudo-terminal. Prints the device path on its first line;
point the panel at it with --com1 PATH or QM5_COM1=PATH. Ends on SIGINT or SIGTERM,
or when the process that started it ends.

  --listen [HOST:]PORT serve raw TCP on the network instead, one client at a time
                       (HOST 127.0.0.1 unless given; [::1]:PORT for IPv6; PORT 0 takes
                       a free one); prints socket://HOST:PORT for the panel

  --link PATH          also make PATH a symbolic link to the device (PATH must not
                       exist, or be a symbolic link)
  --log FILE           log every frame received, with the time in seconds on the
                       machine's monotonic clock
  --warm-up S          seconds of "count down" after power on, 0 to 3600 (default 5)
  --cool-down S        seconds of "cooling down" after power off, 0 to 3600 (default 5)
  --lamp-hours N       lamp hours at start, 0 to 9999 (default 0)
  --hour-seconds S     seconds of power-on time per lamp hour, 0.01 to 86400
                       (default 3600)
  --orientation XY     reply to the orientation query: 11, 10, 01 or 00 (default 11)
Faults:
  --silent             never reply
  --ignore CODE        never reply to this frame (C00), to the others as usual
  --delay MS           reply this many milliseconds late, 0 to 60000
  --split N            send replies in pieces of N bytes, 0 (whole) to 4096
  --split-gap MS       milliseconds between pieces, 0 to 60000 (default 20)
  --noise P            mix random bytes into a reply with probability P, 0 to 1
  --flood RATE         send random bytes without pause, RATE bytes a second,
                       0 to 1000000
  --hang-up-after N    close the line and exit after N frames, 0 (never) to 1000000000
  --seed N             seed of the random bytes, 0 to 4294967295 (default 1)

  --help               print this and exit
  --version            print the version and exit
)";

namespace {

struct NumberOption {
    std::string_view name;
    double least;
    double most;
    bool whole;
    std::function<void(Options&, double)> set;
};

const NumberOption kNumberOptions[] = {
    {"--warm-up", 0, 3600, false, [](Options& o, double v) { o.projector.warmUpSeconds = v; }},
    {"--cool-down", 0, 3600, false, [](Options& o, double v) { o.projector.coolDownSeconds = v; }},
    {"--lamp-hours", 0, 9999, true,
     [](Options& o, double v) { o.projector.lampHours = static_cast<int>(v); }},
    {"--hour-seconds", 0.01, 86400, false,
     [](Options& o, double v) { o.projector.hourSeconds = v; }},
    {"--delay", 0, 60000, false, [](Options& o, double v) { o.faults.replyDelayMs = v; }},
    {"--split", 0, 4096, true,
     [](Options& o, double v) { o.faults.splitBytes = static_cast<int>(v); }},
    {"--split-gap", 0, 60000, false, [](Options& o, double v) { o.faults.splitGapMs = v; }},
    {"--noise", 0, 1, false, [](Options& o, double v) { o.faults.noise = v; }},
    {"--flood", 0, 1e6, true,
     [](Options& o, double v) { o.faults.floodRate = static_cast<int>(v); }},
    {"--hang-up-after", 0, 1e9, true,
     [](Options& o, double v) { o.faults.hangUpAfter = static_cast<int>(v); }},
    {"--seed", 0, 4294967295.0, true,
     [](Options& o, double v) { o.seed = static_cast<unsigned>(v); }},
};

ListenAddress listenAddress(const std::string& text) {
    ListenAddress address;
    std::string port = text;
    if (text.starts_with('[')) {
        const std::size_t close = text.find("]:");
        if (close == std::string::npos) throw UsageError("--listen needs [HOST]:PORT for IPv6");
        address.host = text.substr(1, close - 1);
        port = text.substr(close + 2);
    } else if (const std::size_t colon = text.rfind(':'); colon != std::string::npos) {
        address.host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    const bool digits = !port.empty() && port.size() <= 5 &&
                        port.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(port) > 65535 || address.host.empty()) {
        throw UsageError("--listen needs [HOST:]PORT with PORT from 0 to 65535, not \"" + text +
                         "\"");
    }
    address.port = std::stoi(port);
    return address;
}

std::string range(const NumberOption& option) {
    const auto text = [](double value) {
        std::string shown = std::to_string(value);
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.') shown.pop_back();
        return shown;
    };
    return std::string(option.name) + " needs " + (option.whole ? "a whole number" : "a number") +
           " from " + text(option.least) + " to " + text(option.most);
}

double number(const NumberOption& option, const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    const bool parsed = !text.empty() && end == text.c_str() + text.size();
    if (!parsed || !std::isfinite(value) || value < option.least || value > option.most ||
        (option.whole && value != std::floor(value))) {
        throw UsageError(range(option) + ", not \"" + text + "\"");
    }
    return value;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help") {
            options.help = true;
            continue;
        }
        if (option == "--version") {
            options.version = true;
            continue;
        }
        if (option == "--silent") {
            options.faults.silent = true;
            continue;
        }
        const NumberOption* numeric = nullptr;
        for (const NumberOption& candidate : kNumberOptions) {
            if (candidate.name == option) numeric = &candidate;
        }
        const bool known = numeric != nullptr || option == "--link" || option == "--log" ||
                           option == "--orientation" || option == "--listen" ||
                           option == "--ignore";
        if (!known) throw UsageError("unknown option " + option);
        if (i + 1 >= arguments.size()) throw UsageError(option + " needs a value");
        const std::string& value = arguments[++i];
        if (numeric != nullptr) {
            numeric->set(options, number(*numeric, value));
        } else if (option == "--ignore") {
            options.faults.ignored = value;
        } else if (option == "--listen") {
            options.listen = listenAddress(value);
        } else if (option == "--link") {
            options.link = value;
        } else if (option == "--log") {
            options.log = value;
        } else if (value == "11" || value == "10" || value == "01" || value == "00") {
            options.projector.orientation = value;
        } else {
            throw UsageError("--orientation needs 11, 10, 01 or 00, not \"" + value + "\"");
        }
    }
    if (options.listen && options.link) throw UsageError("--link needs no --listen");
    return options;
}

}  // namespace qm5::projector
