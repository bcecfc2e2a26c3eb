// SPDX-License-Identifier: MIT
#include "system/user_name.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>

#include <array>

namespace qm5 {

QString userName() {
    passwd entry{};
    passwd* found = nullptr;
    std::array<char, 4096> strings{};
    if (::getpwuid_r(::geteuid(), &entry, strings.data(), strings.size(), &found) != 0 ||
        found == nullptr) {
        return {};
    }
    return QString::fromLocal8Bit(found->pw_name);
}

}  // namespace qm5

#else

namespace qm5 {

QString userName() {
    return {};
}

}  // namespace qm5

#endif
