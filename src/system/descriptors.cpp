// SPDX-License-Identifier: MIT
#include "system/descriptors.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace qm5 {

#ifdef Q_OS_UNIX

void raiseDescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

long descriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 1024;
    return static_cast<long>(limit.rlim_cur);
}

LineLook::LineLook(const QString& device) {
    descriptor_ =
        ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    // Only root may open a line held exclusively: everyone else is told it is busy.
    if (descriptor_ < 0) {
        heldExclusively_ = errno == EBUSY;
        return;
    }
    int exclusive = 0;
#ifdef TIOCGEXCL
    if (::ioctl(descriptor_, TIOCGEXCL, &exclusive) != 0) exclusive = 0;
#endif
    heldExclusively_ = exclusive != 0;
}

LineLook::~LineLook() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

#else

void raiseDescriptorLimit() {}

long descriptorLimit() {
    return 512;
}

LineLook::LineLook(const QString&) {}

LineLook::~LineLook() = default;

#endif

}  // namespace qm5
