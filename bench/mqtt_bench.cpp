// SPDX-License-Identifier: MIT
// The service on a broker (Debian's mosquitto on loopback): an MQTT press to the wire, start and
// broker back to "online", memory and CPU at rest, and a row of services against one broker.
#include <arpa/inet.h>
#include <fcntl.h>
#include <mosquitto.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "process.h"
#include "stats.h"

namespace {

using namespace std::chrono_literals;
using qm5::bench::Process;
using Clock = std::chrono::steady_clock;

double ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

/// A port the system hands out, free for the moment.
int freePort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(probe);
    return ntohs(address.sin_port);
}

/// mosquitto on loopback with a configuration of the run's own, stopped and started again on
/// the same port.
class Broker {
  public:
    explicit Broker(const std::string& folder) : conf_(folder + "/mosquitto.conf") {
        std::ofstream(conf_) << "listener " << port_ << " 127.0.0.1\nallow_anonymous true\n"
                             << "persistence false\nlog_dest none\n";
        start();
    }
    void start() {
        process_.emplace(program_, std::vector<std::string>{"-c", conf_},
                         std::vector<std::string>{});
    }
    void stop() { process_.reset(); }
    int port() const { return port_; }

  private:
    std::string program_ = "/usr/sbin/mosquitto";
    std::string conf_;
    int port_ = freePort();
    std::optional<Process> process_;
};

/// On its own loop thread: notes when each service's availability turns online, and publishes.
class Observer {
  public:
    explicit Observer(int port) : mosq_(mosquitto_new(nullptr, true, this)) {
        mosquitto_connect_callback_set(mosq_, &Observer::onConnect);
        mosquitto_message_callback_set(mosq_, &Observer::onMessage);
        // The broker may still be starting.
        const Clock::time_point deadline = Clock::now() + 5s;
        while (!(connected_ = mosquitto_connect(mosq_, "127.0.0.1", port, 60) == 0) &&
               Clock::now() < deadline) {
            std::this_thread::sleep_for(2ms);
        }
        mosquitto_loop_start(mosq_);
    }
    ~Observer() {
        mosquitto_disconnect(mosq_);
        mosquitto_loop_stop(mosq_, false);
        mosquitto_destroy(mosq_);
    }
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;

    bool connected() const { return connected_; }
    void publish(const std::string& topic, std::string_view payload) {
        mosquitto_publish(mosq_, nullptr, topic.c_str(), static_cast<int>(payload.size()),
                          payload.data(), 1, false);
    }
    /// When `id` was seen online at or after `after`, if it was within `limit`.
    std::optional<Clock::time_point> online(const std::string& id, Clock::time_point after,
                                            Clock::duration limit) {
        std::unique_lock lock(mutex_);
        const auto seen = [&] { return online_.contains(id) && online_[id] >= after; };
        if (!changed_.wait_until(lock, Clock::now() + limit, seen)) return std::nullopt;
        return online_[id];
    }

  private:
    static void onConnect(mosquitto* mosq, void*, int result) {
        if (result == 0) mosquitto_subscribe(mosq, nullptr, "qm5-control/+/availability", 1);
    }
    static void onMessage(mosquitto*, void* self, const mosquitto_message* message) {
        const Clock::time_point now = Clock::now();
        auto* observer = static_cast<Observer*>(self);
        const std::string topic = message->topic;
        const std::string id = topic.substr(12, topic.rfind('/') - 12);  // after "qm5-control/"
        const std::string_view payload(static_cast<const char*>(message->payload),
                                       static_cast<std::size_t>(message->payloadlen));
        const std::lock_guard lock(observer->mutex_);
        if (payload == "online") {
            observer->online_[id] = now;
        } else {
            observer->online_.erase(id);
        }
        observer->changed_.notify_all();
    }

    mosquitto* mosq_;
    bool connected_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, Clock::time_point> online_;
};

/// The virtual projector's --log, read as it grows; its times are on this clock.
class WireLog {
  public:
    explicit WireLog(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~WireLog() { ::close(fd_); }
    WireLog(const WireLog&) = delete;
    WireLog& operator=(const WireLog&) = delete;

    /// When the next `frame` reached the projector, if it did within `limit`.
    std::optional<Clock::time_point> next(std::string_view frame, Clock::duration limit) {
        const Clock::time_point deadline = Clock::now() + limit;
        for (;;) {
            while (const auto line = nextLine()) {
                const std::size_t space = line->find(' ');
                if (line->substr(space + 1) != frame) continue;
                return Clock::time_point(std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(std::stod(line->substr(0, space)))));
            }
            if (Clock::now() >= deadline) return std::nullopt;
            std::this_thread::sleep_for(1ms);
        }
    }
    /// Frames received so far.
    long frames() {
        while (nextLine()) {
        }
        return frames_;
    }

  private:
    std::optional<std::string> nextLine() {
        std::size_t end = buffer_.find('\n');
        char bytes[4096];
        ssize_t n = 0;
        while (end == std::string::npos && (n = ::read(fd_, bytes, sizeof bytes)) > 0) {
            buffer_.append(bytes, static_cast<std::size_t>(n));
            end = buffer_.find('\n');
        }
        if (end == std::string::npos) return std::nullopt;
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        if (line.ends_with("\\r")) ++frames_;  // frames end in \r; "line opened" and such do not
        return line;
    }

    int fd_;
    std::string buffer_;
    long frames_ = 0;
};

/// A service's folder, its runtime folder (mode 700) and configuration folder inside.
std::string makeHome() {
    char folder[] = "/tmp/qm5-bench-service-XXXXXX";
    if (::mkdtemp(folder) == nullptr ||
        ::mkdir((folder + std::string("/run")).c_str(), 0700) != 0) {
        std::exit(1);
    }
    return folder;
}

/// `qm5-control --serve` on `device`, labelled, on the broker, with folders of its own.
struct Service {
    Service(const std::string& control, const std::string& device, const std::string& label,
            int port)
        : process(control,
                  {"--serve", "--com1", device, "--label", label, "--mqtt",
                   "mqtt://127.0.0.1:" + std::to_string(port), "--poll", "30"},
                  {"XDG_RUNTIME_DIR=" + home + "/run", "XDG_CONFIG_HOME=" + home + "/config"}) {}
    ~Service() { std::filesystem::remove_all(home); }

    std::string home = makeHome();
    Process process;
};

/// The topic level the service makes of one of these labels: lower case, spaces as '_'.
std::string idOf(std::string label) {
    for (char& c : label) c = c == ' ' ? '_' : static_cast<char>(std::tolower(c));
    return label;
}

/// "median M ms, max X ms" of what was measured.
std::string medianAndMax(const std::vector<double>& values) {
    char text[64];
    std::snprintf(text, sizeof text, "median %.0f ms, max %.0f ms",
                  qm5::bench::percentile(values, 0.5), qm5::bench::percentile(values, 1.0));
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: bench_mqtt CONTROL PROJECTOR [PRESSES [QUIET_SECONDS [SERVICES]]]\n");
        return 2;
    }
    const std::string control = argv[1];
    const std::string projectorProgram = argv[2];
    const int presses = argc > 3 ? std::atoi(argv[3]) : 200;
    const int quiet = argc > 4 ? std::atoi(argv[4]) : 60;
    const int count = argc > 5 ? std::atoi(argv[5]) : 32;
    const int runs = 5;
    // Each figure shows as it comes, through a pipe too: a run takes minutes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::vector<std::string> none;
    // As systemd starts a service: no display, folders of its own.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"}) {
        ::unsetenv(name);
    }
    char folder[] = "/tmp/qm5-bench-mqtt-XXXXXX";
    if (::mkdtemp(folder) == nullptr) return 1;
    mosquitto_lib_init();
    Broker broker(folder);
    auto observer = std::make_unique<Observer>(broker.port());
    if (!observer->connected()) {
        std::fprintf(stderr, "mosquitto did not listen on port %d\n", broker.port());
        return 1;
    }
    {
        const std::string wirePath = std::string(folder) + "/wire.log";
        Process projector(projectorProgram, {"--log", wirePath}, none);
        const std::string device = projector.readLine();
        WireLog wire(wirePath);
        const Clock::time_point begun = Clock::now();
        Service service(control, device, "Bench", broker.port());
        if (!observer->online("bench", begun, 20s)) {
            std::fprintf(stderr, "the service did not come online\n");
            return 1;
        }
        // Its start-up queries answered before the first press.
        std::this_thread::sleep_for(2s);
        wire.frames();
        std::vector<double> latencies;
        for (int i = 0; i < presses; ++i) {
            const Clock::time_point sent = Clock::now();
            observer->publish("qm5-control/bench/audio-mute-on/press", "PRESS");
            const auto arrived = wire.next("C0B\\r", 1s);
            if (arrived) latencies.push_back(ms(*arrived - sent));
            // Room for the ACK before the next press.
            std::this_thread::sleep_until(sent + 50ms);
        }
        const auto press = qm5::bench::summarize(latencies);
        std::printf(
            "MQTT press to the wire, %d presses 50 ms apart: p50 %.2f ms, p95 %.2f ms, mean %.2f "
            "ms, %zu lost (goal: p95 under 20 ms on loopback)\n",
            presses, press.median, press.p95, press.mean, presses - latencies.size());

        std::vector<double> starts;
        {
            Process spare(projectorProgram, none, none);
            const std::string spareDevice = spare.readLine();
            for (int i = 1; i <= runs; ++i) {
                const std::string label = "Bench start " + std::to_string(i);
                const Clock::time_point spawned = Clock::now();
                const Service trial(control, spareDevice, label, broker.port());
                const auto at = observer->online(idOf(label), spawned, 20s);
                if (at) starts.push_back(ms(*at - spawned));
            }
        }
        std::printf("start to online, %zu of %d runs: %s\n", starts.size(), runs,
                    medianAndMax(starts).c_str());

        std::vector<double> backs;
        std::string each;
        for (int i = 0; i < runs; ++i) {
            observer.reset();
            broker.stop();
            const Clock::time_point restarted = Clock::now();
            broker.start();
            observer = std::make_unique<Observer>(broker.port());
            const auto at = observer->online("bench", restarted, 15s);
            if (at) backs.push_back(ms(*at - restarted));
            each += at ? " " + std::to_string(std::lround(backs.back())) : " never";
        }
        std::printf("broker back to online, %d restarts back to back (ms:%s): %s\n", runs,
                    each.c_str(), medianAndMax(backs).c_str());

        std::this_thread::sleep_for(2s);
        const Process& p = service.process;
        const long rss = p.residentKiB();
        const double cpuBefore = p.cpuMs();
        const long wakeUpsBefore = p.contextSwitches();
        const long framesBefore = wire.frames();
        std::this_thread::sleep_for(std::chrono::seconds(quiet));
        if (p.residentKiB() < 0) std::printf("the service is gone\n");
        std::printf(
            "at rest with --poll 30: resident memory %.1f MiB; CPU over %d s %.3f %% (%ld "
            "wake-ups, %ld frames on the line) (goal: under 0.1 %%)\n",
            rss / 1024.0, quiet, 100.0 * (p.cpuMs() - cpuBefore) / (quiet * 1000.0),
            p.contextSwitches() - wakeUpsBefore, wire.frames() - framesBefore);
    }

    // The row's window is the quiet one, at most 30 s.
    const int window = std::min(quiet, 30);
    std::list<Process> projectors;
    std::vector<std::string> devices;
    for (int i = 0; i < count; ++i) {
        devices.push_back(projectors.emplace_back(projectorProgram, none, none).readLine());
    }
    std::list<Service> row;
    const Clock::time_point begun = Clock::now();
    for (int i = 0; i < count; ++i) {
        row.emplace_back(control, devices[static_cast<std::size_t>(i)],
                         "Row " + std::to_string(i + 1), broker.port());
    }
    int online = 0;
    Clock::time_point last = begun;
    for (int i = 0; i < count; ++i) {
        const auto limit = std::max<Clock::duration>(begun + 60s - Clock::now(), 0s);
        if (const auto at = observer->online("row_" + std::to_string(i + 1), begun, limit)) {
            ++online;
            last = std::max(last, *at);
        }
    }
    std::this_thread::sleep_for(2s);
    long rss = 0;
    int gone = 0;
    double cpu = 0;
    for (const Service& service : row) {
        const long kib = service.process.residentKiB();
        gone += kib < 0 ? 1 : 0;
        rss += std::max(kib, 0L);
        cpu -= service.process.cpuMs();
    }
    if (gone > 0) std::printf("%d services are gone\n", gone);
    std::this_thread::sleep_for(std::chrono::seconds(window));
    for (const Service& service : row) cpu += service.process.cpuMs();
    std::printf(
        "%d services on one broker: %d online, the last %.0f ms after the first start; resident "
        "memory %.1f MiB in all, %.1f MiB each (VmRSS: shared pages counted in each); CPU over "
        "%d s %.3f %% in all\n",
        count, online, ms(last - begun), rss / 1024.0, rss / 1024.0 / std::max(count - gone, 1),
        window, 100.0 * cpu / (window * 1000.0));
    row.clear();
    projectors.clear();
    observer.reset();
    broker.stop();
    mosquitto_lib_cleanup();
    std::filesystem::remove_all(folder);
    return 0;
}
