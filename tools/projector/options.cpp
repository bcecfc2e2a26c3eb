// SPDX-License-Identifier: MIT
#include "options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace qm5::projector {

namespace {

constexpr const char* kUsage = R"(Usage: qm5-projector [OPTION]...
A virtual projector on a pseudo-terminal. Prints the device path on its first line;
point the panel at it with QM5_COM1=PATH.

  --link PATH          also make PATH a symbolic link to the device
  --log FILE           log every frame received, with the time in seconds on the
                       machine's monotonic clock
  --warm-up S          seconds of "count down" after power on (default 5)
  --cool-down S        seconds of "cooling down" after power off (default 5)
  --lamp-hours N       lamp hours at start (default 0)
  --hour-seconds S     seconds of power-on time per lamp hour (default 3600)
  --orientation XY     reply to the orientation query: 11, 10, 01 or 00 (default 11)
Faults:
  --silent             never reply
  --delay MS           reply this many milliseconds late
  --split N            send replies in pieces of N bytes
  --split-gap MS       milliseconds between pieces (default 20)
  --noise P            mix random bytes into a reply with probability P (0 to 1)
  --flood RATE         send random bytes without pause, RATE bytes a second
  --hang-up-after N    close the line and exit after N frames
  --seed N             seed of the random bytes (default 1)
)";

[[noreturn]] void usage(int status) {
    std::fputs(kUsage, status == 0 ? stdout : stderr);
    std::exit(status);
}

double number(const char* option, const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || value < 0) {
        std::fprintf(stderr, "qm5-projector: %s needs a number, not \"%s\"\n", option, text);
        usage(2);
    }
    return value;
}

}  // namespace

Options parseOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") usage(0);
        if (option == "--silent") {
            options.faults.silent = true;
            continue;
        }
        if (i + 1 >= argc) usage(2);
        const char* value = argv[++i];
        if (option == "--link") {
            options.link = value;
        } else if (option == "--log") {
            options.log = value;
        } else if (option == "--warm-up") {
            options.projector.warmUpSeconds = number(argv[i - 1], value);
        } else if (option == "--cool-down") {
            options.projector.coolDownSeconds = number(argv[i - 1], value);
        } else if (option == "--lamp-hours") {
            options.projector.lampHours = static_cast<int>(number(argv[i - 1], value));
        } else if (option == "--hour-seconds") {
            options.projector.hourSeconds = number(argv[i - 1], value);
        } else if (option == "--orientation") {
            options.projector.orientation = value;
        } else if (option == "--delay") {
            options.faults.replyDelayMs = number(argv[i - 1], value);
        } else if (option == "--split") {
            options.faults.splitBytes = static_cast<int>(number(argv[i - 1], value));
        } else if (option == "--split-gap") {
            options.faults.splitGapMs = number(argv[i - 1], value);
        } else if (option == "--noise") {
            options.faults.noise = number(argv[i - 1], value);
        } else if (option == "--flood") {
            options.faults.floodRate = static_cast<int>(number(argv[i - 1], value));
        } else if (option == "--hang-up-after") {
            options.faults.hangUpAfter = static_cast<int>(number(argv[i - 1], value));
        } else if (option == "--seed") {
            options.seed = static_cast<unsigned>(number(argv[i - 1], value));
        } else {
            std::fprintf(stderr, "qm5-projector: unknown option %s\n", argv[i - 1]);
            usage(2);
        }
    }
    if (options.projector.hourSeconds <= 0) options.projector.hourSeconds = 3600;
    return options;
}

}  // namespace qm5::projector
