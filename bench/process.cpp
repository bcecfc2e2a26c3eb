// SPDX-License-Identifier: MIT
#include "process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace qm5::bench {

Process::Process(const std::string& program, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    std::vector<std::string> variables(environment);
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0) variables.emplace_back(*variable);
    }
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    int pipe[2];
    if (::pipe(pipe) != 0) throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addclose(&actions, pipe[0]);
    const int failed =
        ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    output_ = pipe[0];
    if (failed != 0) throw std::runtime_error("cannot start " + program);
}

std::string Process::readLine() {
    std::string line;
    char c = 0;
    while (::read(output_, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

Process::~Process() {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    ::close(output_);
}

long Process::statusField(const char* name) const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name, 0) == 0) return std::stol(line.substr(std::strlen(name)));
    }
    return -1;
}

long Process::residentKiB() const {
    return statusField("VmRSS:");
}

long Process::contextSwitches() const {
    return statusField("voluntary_ctxt_switches:") + statusField("nonvoluntary_ctxt_switches:");
}

double Process::cpuMs() const {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14 || i == 15) ticks += std::stod(field);
        if (i == 15) break;
    }
    return 1000.0 * ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

}  // namespace qm5::bench
