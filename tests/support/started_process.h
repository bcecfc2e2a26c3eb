// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QProcess>

#include <sys/types.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

namespace qm5::test {

/// A program a test started, by the id it had at its start. Once the program has ended QProcess
/// says its id is 0, and a signal to 0 goes to the test run's own process group, ctest included.
class StartedProcess {
  public:
    StartedProcess() = default;
    /// Right after `process.start()`: the program is forked by then.
    explicit StartedProcess(const QProcess& process)
        : process_(&process), pid_(process.processId()) {}

    /// Sends `number` to the program; a program that did not start or has ended since is a
    /// failure, and nothing is sent.
    [[nodiscard]] ::testing::AssertionResult signal(int number) const {
        const char* const name = sigabbrev_np(number);  // none for 0
        const std::string what =
            name != nullptr ? "SIG" + std::string(name) : "signal " + std::to_string(number);
        if (process_ == nullptr || pid_ <= 0) {
            return ::testing::AssertionFailure()
                   << "no program had started: " << what << " not sent";
        }
        // Not yet reaped, an ended program keeps its id: checked here, it is not another's.
        if (process_->processId() != pid_) {
            return ::testing::AssertionFailure() << "the program (" << pid_ << ") ended, status "
                                                 << process_->exitCode() << ", before " << what;
        }
        if (::kill(static_cast<pid_t>(pid_), number) != 0) {
            return ::testing::AssertionFailure()
                   << what << " to " << pid_ << ": " << std::strerror(errno);
        }
        return ::testing::AssertionSuccess();
    }

  private:
    const QProcess* process_ = nullptr;
    qint64 pid_ = 0;
};

}  // namespace qm5::test
