// SPDX-License-Identifier: MIT
#include "pty/pty_pair.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>

namespace qm5 {

PtyPair::PtyPair() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    for (const int fd : {master_, slave_}) {
        termios raw{};
        ::tcgetattr(fd, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
    }
    path_ = name;
    // The program under test is to be the only one with the line open, so that the far end
    // sees it close.
    ::close(slave_);
    slave_ = -1;
}

PtyPair::~PtyPair() {
    hangUp();
}

void PtyPair::write(const std::string& chars) {
    if (::write(master_, chars.data(), chars.size()) != static_cast<ssize_t>(chars.size())) {
        throw std::runtime_error("write to pty failed");
    }
}

bool PtyPair::farEndClosed(int timeoutMs) {
    pollfd wait{master_, POLLIN, 0};
    return ::poll(&wait, 1, timeoutMs) > 0 && (wait.revents & POLLHUP) != 0;
}

termios PtyPair::lineSettings() const {
    termios settings{};
    ::tcgetattr(master_, &settings);
    return settings;
}

std::string PtyPair::readAvailable() {
    return read(SIZE_MAX, 0);
}

std::string PtyPair::read(std::size_t count, int timeoutMs) {
    std::string got;
    pollfd wait{master_, POLLIN, 0};
    while (got.size() < count && ::poll(&wait, 1, timeoutMs) > 0) {
        char buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

void PtyPair::hangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

}  // namespace qm5
