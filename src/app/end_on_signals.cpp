// SPDX-License-Identifier: MIT
// The program's one use of POSIX: a signal handler may do almost nothing, so it writes one byte
// to a socket pair that the event loop watches.
#include "app/end_on_signals.h"

#include <QEventLoop>

#include "app/control_panel.h"

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

void onEndSignal(int /*signal*/) {
    // The code the signal interrupted may be about to read errno.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

EndOnSignals::EndOnSignals(ControlPanel& panel) : panel_(&panel) {
    take();
}

EndOnSignals::EndOnSignals(QEventLoop& loop) : loop_(&loop) {
    take();
}

void EndOnSignals::take() {
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
    [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
    if (panel_ != nullptr) {
        panel_->requestEnd();
    } else {
        loop_->quit();
    }
}

}  // namespace qm5

#else

namespace qm5 {

EndOnSignals::EndOnSignals(ControlPanel& panel) : panel_(&panel) {}
EndOnSignals::EndOnSignals(QEventLoop& loop) : loop_(&loop) {}
EndOnSignals::~EndOnSignals() = default;
void EndOnSignals::onSignal() {}

}  // namespace qm5

#endif
