// SPDX-License-Identifier: MIT
// The service beside the panel in its window: resident memory, and CPU while nothing happens.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "process.h"
#include "pty/pty_pair.h"
#include "x_session.h"

using namespace std::chrono_literals;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_service CONTROL [IDLE_SECONDS]\n");
        return 2;
    }
    const std::string control = argv[1];
    const int idle = argc > 2 ? std::atoi(argv[2]) : 30;
    // Sockets and remembered devices in folders of the run's own.
    char runtime[] = "/tmp/qm5-bench-runtime-XXXXXX";
    char config[] = "/tmp/qm5-bench-config-XXXXXX";
    if (::mkdtemp(runtime) == nullptr || ::mkdtemp(config) == nullptr) return 1;
    const std::vector<std::string> folders{std::string("XDG_RUNTIME_DIR=") + runtime,
                                           std::string("XDG_CONFIG_HOME=") + config};
    const auto with = [&](const std::string& device) {
        std::vector<std::string> environment = folders;
        environment.push_back("QM5_COM1=" + device);
        return environment;
    };

    qm5::bench::XSession x;
    const qm5::PtyPair panelLine;
    const qm5::PtyPair serviceLine;
    const qm5::bench::Process panel(control, {}, with(panelLine.path()));
    if (!x.waitForMap(10s)) {
        std::fprintf(stderr, "the panel showed no window\n");
        return 1;
    }
    const qm5::bench::Process service(control, {"--serve"}, with(serviceLine.path()));
    // Settled: the start-up's allocations done, its files mapped.
    std::this_thread::sleep_for(2s);
    const double servicePanelRatio =
        static_cast<double>(service.residentKiB()) / static_cast<double>(panel.residentKiB());
    std::printf(
        "resident memory: service %.1f MiB, panel in its window %.1f MiB, ratio %.2f "
        "(goal: at most 0.5)\n",
        service.residentKiB() / 1024.0, panel.residentKiB() / 1024.0, servicePanelRatio);

    const double serviceBefore = service.cpuMs();
    const double panelBefore = panel.cpuMs();
    const long wakeUpsBefore = service.contextSwitches();
    std::this_thread::sleep_for(std::chrono::seconds(idle));
    const double span = idle * 1000.0;
    std::printf("CPU over %d s with nothing to do: service %.3f %% (%ld wake-ups), panel %.3f %%\n",
                idle, 100.0 * (service.cpuMs() - serviceBefore) / span,
                service.contextSwitches() - wakeUpsBefore,
                100.0 * (panel.cpuMs() - panelBefore) / span);
    ::rmdir(config);
    ::rmdir(runtime);
    return 0;
}
