// SPDX-License-Identifier: MIT
// --send status from start to exit against the virtual projector: on the line directly, then
// through a running panel (offscreen) that has the line open.
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "process.h"
#include "stats.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

/// One run of `qm5-control --send status`, its output dropped; milliseconds from spawn to exit.
double sendOnce(const std::string& control, const std::string& device) {
    std::vector<std::string> words{control, "--send", "status", "--com1", device};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const Clock::time_point started = Clock::now();
    pid_t pid = -1;
    int status = -1;
    if (::posix_spawn(&pid, control.c_str(), &actions, nullptr, argv.data(), environ) != 0 ||
        ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "--send status failed\n");
        std::exit(1);
    }
    ::posix_spawn_file_actions_destroy(&actions);
    return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
}

void report(const char* how, const std::string& control, const std::string& device, int runs) {
    sendOnce(control, device);  // warms the file cache
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(sendOnce(control, device));
    const auto summary = qm5::bench::summarize(times);
    std::printf("--send status %s, %d runs: median %.1f ms, p95 %.1f ms, mean %.1f ms\n", how, runs,
                summary.median, summary.p95, summary.mean);
}

/// Whether the folder holds an entry (the panel's socket) within 10 s.
bool somethingIn(const std::string& folder) {
    for (int i = 0; i < 1000; ++i) {
        DIR* dir = ::opendir(folder.c_str());
        int entries = 0;
        while (dir != nullptr && ::readdir(dir) != nullptr) ++entries;
        if (dir != nullptr) ::closedir(dir);
        if (entries > 2) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_send CONTROL PROJECTOR [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    // The panel's socket and remembered devices in folders of the run's own.
    char runtime[] = "/tmp/qm5-bench-runtime-XXXXXX";
    char config[] = "/tmp/qm5-bench-config-XXXXXX";
    if (::mkdtemp(runtime) == nullptr || ::mkdtemp(config) == nullptr) return 1;
    ::setenv("XDG_RUNTIME_DIR", runtime, 1);
    ::setenv("XDG_CONFIG_HOME", config, 1);
    {
        qm5::bench::Process projector(argv[2], {}, {});
        const std::string device = projector.readLine();
        report("on the line itself", argv[1], device, runs);
        const qm5::bench::Process panel(argv[1], {"--com1", device}, {"QT_QPA_PLATFORM=offscreen"});
        if (!somethingIn(runtime)) {
            std::fprintf(stderr, "the panel did not listen\n");
            return 1;
        }
        report("through a running panel", argv[1], device, runs);
    }
    ::rmdir(config);
    ::rmdir(runtime);
    return 0;
}
