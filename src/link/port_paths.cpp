// SPDX-License-Identifier: MIT
#include "link/port_paths.h"

#include <cstdlib>

namespace qm5 {

std::string devicePathFor(int port) {
    if (port == 1 || port == 2) {
        const std::string variable = "QM5_COM" + std::to_string(port);
        if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != '\0') {
            return path;
        }
    }
#ifdef _WIN32
    return portLabel(port);
#else
    return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

std::string portLabel(int port) {
    return "COM" + std::to_string(port);
}

}  // namespace qm5
