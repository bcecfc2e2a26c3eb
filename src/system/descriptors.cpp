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

bool heldExclusively(const QString& device) {
    const int line =
        ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    // Only root may open a line held exclusively: everyone else is told it is busy.
    if (line < 0) return errno == EBUSY;
    int exclusive = 0;
#ifdef TIOCGEXCL
    if (::ioctl(line, TIOCGEXCL, &exclusive) != 0) exclusive = 0;
#endif
    ::close(line);
    return exclusive != 0;
}

#else

void raiseDescriptorLimit() {}

long descriptorLimit() {
    return 512;
}

bool heldExclusively(const QString&) {
    return false;
}

#endif

}  // namespace qm5
