// SPDX-License-Identifier: MIT
// The program's one use of POSIX: a signal handler may do almost nothing, so it writes one byte
// to a socket pair that the event loop watches.
#include "system/end_on_signals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <utility>

namespace qm5 {

namespace {

int signalPipe[2] = {-1, -1};
constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
/// What each signal did before; restored at the end.
struct sigaction before[std::size(kEndSignals)];
bool taken[std::size(kEndSignals)] = {};

void onEndSignal(int signal) {
    // The code the signal interrupted may be about to read errno.
    const int savedErrno = errno;
    const auto byte = static_cast<char>(signal);
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

EndOnSignals::EndOnSignals(EndSignalListener& listener) : listener_(listener) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &EndOnSignals::onSignal);
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kEndSignals); ++i) {
        // A signal the caller ignores (nohup, a background job) stays ignored.
        if (::sigaction(kEndSignals[i], nullptr, &before[i]) != 0) continue;
        if (before[i].sa_handler == SIG_IGN) continue;
        taken[i] = ::sigaction(kEndSignals[i], &action, nullptr) == 0;
    }
}

EndOnSignals::~EndOnSignals() {
    for (std::size_t i = 0; i < std::size(kEndSignals); ++i) {
        if (std::exchange(taken[i], false)) ::sigaction(kEndSignals[i], &before[i], nullptr);
    }
    for (int& end : signalPipe) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

void EndOnSignals::onSignal() {
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) == 1) listener_.onEndSignal(byte);
}

}  // namespace qm5

#else

namespace qm5 {

EndOnSignals::EndOnSignals(EndSignalListener& listener) : listener_(listener) {}
EndOnSignals::~EndOnSignals() = default;
void EndOnSignals::onSignal() {}

}  // namespace qm5

#endif
