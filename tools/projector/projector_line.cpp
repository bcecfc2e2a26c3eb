// SPDX-License-Identifier: MIT
#include "projector_line.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <utility>

namespace qm5::projector {

namespace {

using namespace std::chrono_literals;

constexpr auto kFloodStep = 10ms;
/// The most a flood writes at once: a stalled loop drops its backlog rather than allocating it.
constexpr std::size_t kMostFloodBytes = 65536;
constexpr int kIdlePollMs = 20;

/// 19200 baud, 8 data bits, no parity, 1 stop bit, as the projector's own port.
void setLine(int fd) {
    termios line{};
    ::tcgetattr(fd, &line);
    ::cfmakeraw(&line);
    ::cfsetispeed(&line, B19200);
    ::cfsetospeed(&line, B19200);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    ::tcsetattr(fd, TCSANOW, &line);
}

std::string escaped(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (code < 32 || code > 126) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", code);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

ProjectorLine::ProjectorLine(const Options& options)
    : options_(options), projector_(options.projector), random_(options.seed) {
    setLine(line_.farEnd());
    ::fcntl(line_.farEnd(), F_SETFL, ::fcntl(line_.farEnd(), F_GETFL) | O_NONBLOCK);
    if (options_.log) {
        log_ = std::fopen(options_.log->c_str(), "w");
        if (log_ == nullptr) throw std::runtime_error("cannot write the log " + *options_.log);
    }
    if (options_.link) makeLink(*options_.link);
    if (options_.listen) listen(*options_.listen);
}

ProjectorLine::~ProjectorLine() {
    if (client_ >= 0) ::close(client_);
    if (listener_ >= 0) ::close(listener_);
    if (linked_ && linkTarget(*options_.link) == path()) ::unlink(options_.link->c_str());
    if (log_ != nullptr) std::fclose(log_);
}

void ProjectorLine::makeLink(const std::string& link) {
    struct stat existing {};
    if (::lstat(link.c_str(), &existing) == 0) {
        // A link left by an earlier run may go; anything else is somebody's file.
        if (!S_ISLNK(existing.st_mode)) {
            throw std::runtime_error(link + " exists and is not a symbolic link; not replacing it");
        }
        ::unlink(link.c_str());
    }
    if (::symlink(path().c_str(), link.c_str()) != 0) {
        throw std::runtime_error("cannot make the link " + link);
    }
    linked_ = true;
}

std::string ProjectorLine::linkTarget(const std::string& link) {
    char target[4096];
    const ssize_t size = ::readlink(link.c_str(), target, sizeof target);
    return size > 0 ? std::string(target, static_cast<std::size_t>(size)) : std::string();
}

void ProjectorLine::listen(const ListenAddress& address) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (::getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found) != 0 ||
        found == nullptr) {
        throw std::runtime_error("cannot listen on " + address.host + ":" + port);
    }
    listener_ = ::socket(found->ai_family, found->ai_socktype | SOCK_CLOEXEC, 0);
    const int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const bool bound = listener_ >= 0 &&
                       ::bind(listener_, found->ai_addr, found->ai_addrlen) == 0 &&
                       ::listen(listener_, 1) == 0;
    const int family = found->ai_family;
    ::freeaddrinfo(found);
    if (!bound) throw std::runtime_error("cannot listen on " + address.host + ":" + port);

    sockaddr_storage local{};
    socklen_t length = sizeof local;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&local), &length);
    char host[INET6_ADDRSTRLEN] = {};
    const void* raw =
        family == AF_INET6
            ? static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(&local)->sin6_addr)
            : static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(&local)->sin_addr);
    ::inet_ntop(family, raw, host, sizeof host);
    const int bound_port =
        ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&local)->sin6_port
                                 : reinterpret_cast<sockaddr_in*>(&local)->sin_port);
    address_ = family == AF_INET6 ? "socket://[" + std::string(host) + "]:"
                                  : "socket://" + std::string(host) + ":";
    address_ += std::to_string(bound_port);
}

void ProjectorLine::acceptClient() {
    client_ = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client_ < 0) return;
    const int on = 1;
    ::setsockopt(client_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    log("line opened");
    open_ = true;
}

void ProjectorLine::dropClient() {
    ::close(client_);
    client_ = -1;
    log("line closed");
    open_ = false;
    outgoing_.clear();
}

short ProjectorLine::wait(int fd, int limitMs, const sigset_t& waitMask) {
    pollfd line{fd, POLLIN, 0};
    const timespec timeout{limitMs / 1000, (limitMs % 1000) * 1000000L};
    const int ready = ::ppoll(&line, 1, limitMs < 0 ? nullptr : &timeout, &waitMask);
    return ready > 0 ? line.revents : 0;
}

int ProjectorLine::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
    char buffer[4096];
    while (stop == 0) {
        if (listener_ >= 0 && client_ < 0) {
            // One client at a time: the next waits in the backlog.
            if ((wait(listener_, -1, waitMask) & POLLIN) != 0 && stop == 0) acceptClient();
            continue;
        }
        // While nobody has the line open, look every so often whether the panel has come.
        const short events =
            wait(lineFd(), open_ ? timeoutMs(Clock::now()) : kIdlePollMs, waitMask);
        if (stop != 0) break;

        if (listener_ >= 0 && (events & (POLLHUP | POLLERR)) != 0 && (events & POLLIN) == 0) {
            dropClient();
            continue;
        }
        if (listener_ < 0 && (events & POLLHUP) != 0 && (events & POLLIN) == 0) {
            if (open_) log("line closed");
            open_ = false;
            outgoing_.clear();
            const timespec idle{0, kIdlePollMs * 1000000L};
            ::ppoll(nullptr, 0, &idle, &waitMask);
            continue;
        }
        if (!open_) log("line opened");
        open_ = true;
        if ((events & POLLIN) != 0) {
            const ssize_t n = ::read(lineFd(), buffer, sizeof buffer);
            if (n > 0) receive(buffer, static_cast<std::size_t>(n));
            if (listener_ >= 0 && (n == 0 || (n < 0 && errno != EAGAIN))) {
                dropClient();
                continue;
            }
            if (hangingUp()) {
                log("hang up");
                return 0;
            }
        }
        sendDue(Clock::now());
        flood(Clock::now());
    }
    return 0;
}

void ProjectorLine::receive(const char* bytes, std::size_t count) {
    for (const std::string& frame : reader_.feed(std::string_view(bytes, count))) {
        handleFrame(frame);
    }
}

void ProjectorLine::handleFrame(const std::string& code) {
    ++frames_;
    log(escaped(code + '\r'));
    if (hangingUp()) return;
    const std::string answer = code.size() == 3 ? projector_.answer(code, seconds(Clock::now()))
                                                : std::string{Projector::kNak};
    if (!options_.faults.silent && code != options_.faults.ignored) reply(answer);
}

bool ProjectorLine::hangingUp() const {
    return options_.faults.hangUpAfter > 0 && frames_ >= options_.faults.hangUpAfter;
}

void ProjectorLine::reply(std::string bytes) {
    std::uniform_real_distribution<double> chance(0, 1);
    if (chance(random_) < options_.faults.noise) {
        std::uniform_int_distribution<int> byte(0, 255);
        std::uniform_int_distribution<std::size_t> at(0, bytes.size());
        bytes.insert(at(random_), 1 + static_cast<std::size_t>(byte(random_) % 4),
                     static_cast<char>(byte(random_)));
    }
    const auto delay = std::chrono::duration<double, std::milli>(options_.faults.replyDelayMs);
    // Replies leave one after another, as from a real port.
    Clock::time_point at =
        std::max(Clock::now() + std::chrono::duration_cast<Clock::duration>(delay), busyUntil_);
    const std::size_t piece = options_.faults.splitBytes > 0
                                  ? static_cast<std::size_t>(options_.faults.splitBytes)
                                  : bytes.size();
    const auto gap = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(options_.faults.splitGapMs));
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
        outgoing_.push_back({at, bytes.substr(i, piece)});
        at += gap;
    }
    busyUntil_ = at - gap;
}

void ProjectorLine::sendDue(Clock::time_point now) {
    while (!outgoing_.empty() && outgoing_.front().at <= now) {
        const std::string& bytes = outgoing_.front().bytes;
        // A full buffer drops the reply, as a line without a listener would.
        [[maybe_unused]] const ssize_t written = ::write(lineFd(), bytes.data(), bytes.size());
        outgoing_.pop_front();
    }
}

void ProjectorLine::flood(Clock::time_point now) {
    if (options_.faults.floodRate <= 0 || !open_) {
        flooded_ = now;
        return;
    }
    const double elapsed = std::chrono::duration<double>(now - flooded_).count();
    const auto due = static_cast<std::size_t>(elapsed * options_.faults.floodRate);
    if (due == 0) return;
    const std::size_t count = std::min(due, kMostFloodBytes);
    if (due > count) flooded_ = now;
    std::string bytes(count, '\0');
    std::uniform_int_distribution<int> byte(0, 255);
    for (char& c : bytes) c = static_cast<char>(byte(random_));
    [[maybe_unused]] const ssize_t written = ::write(lineFd(), bytes.data(), bytes.size());
    if (due == count) {
        flooded_ += std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(count) / options_.faults.floodRate));
    }
}

int ProjectorLine::timeoutMs(Clock::time_point now) const {
    auto next = Clock::time_point::max();
    if (!outgoing_.empty()) next = outgoing_.front().at;
    if (options_.faults.floodRate > 0 && open_) next = std::min(next, now + kFloodStep);
    if (next == Clock::time_point::max()) return -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - now).count();
    return static_cast<int>(std::max<decltype(wait)>(wait, 0));
}

double ProjectorLine::seconds(Clock::time_point when) const {
    return std::chrono::duration<double>(when - start_).count();
}

void ProjectorLine::log(const std::string& event) {
    if (log_ == nullptr) return;
    // The monotonic clock, which other programs on the machine can read too.
    const double now = std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
    std::fprintf(log_, "%.6f %s\n", now, event.c_str());
    std::fflush(log_);
}

}  // namespace qm5::projector
