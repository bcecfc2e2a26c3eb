// SPDX-License-Identifier: MIT
#include "link/open_failure.h"

namespace qm5 {

std::string describeOpenFailure(std::string_view device, int port, OpenFailure failure,
                                bool userMayReadWrite, std::string_view detail) {
    const std::string name(device);
    switch (failure) {
        case OpenFailure::Missing:
            return name + ": no such device. Plug in the adapter, or set QM5_COM" +
                   std::to_string(port) + " to its path.";
        case OpenFailure::Refused:
            if (userMayReadWrite) {
                return name + ": in use by another program (or another copy of this one).";
            }
            return name +
                   ": permission denied. Add the user to the dialout group "
                   "(usermod -aG dialout USER) and log in again.";
        case OpenFailure::Other:
            break;
    }
    return name + ": cannot be opened (" + std::string(detail) + ").";
}

}  // namespace qm5
