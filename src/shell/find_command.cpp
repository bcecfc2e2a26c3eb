// SPDX-License-Identifier: MIT
#include "shell/find_command.h"
#include "core/escaped_name.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "devices/serial_devices.h"
#include "link/answer_json.h"
#include "shell/shell_log.h"
#include "socket/projector_finder.h"
#include "system/end_on_signals.h"

namespace qm5 {

namespace {

constexpr int kFound = 0;
constexpr int kNoneFound = 1;

/// Waits for the end of the search in a loop of its own: nothing else runs in this mode.
class ShellSearch final : private FinderEvents, private EndSignalListener {
  public:
    ShellSearch(const std::vector<std::string>& devices, const QString& logFile)
        : log_(logFile), finder_(devices, *this, log_.log()) {}

    std::vector<SearchAnswer> run() {
        finder_.start();
        if (!done_) loop_.exec();
        return done_ ? answers_ : finder_.answersSoFar();
    }
    /// The signal that ended the search early, or 0.
    int endedBy() const { return signal_; }

  private:
    void onSearchDone(const std::vector<SearchAnswer>& answers) override {
        answers_ = answers;
        done_ = true;
        loop_.quit();
    }
    void onEndSignal(int signal) override {
        signal_ = signal;
        loop_.quit();
    }

    QEventLoop loop_;
    ShellLog log_;
    // Ctrl+C ends the search as its timeout would: the devices closed, set back and unlocked.
    const EndOnSignals ending_{*this};
    ProjectorFinder finder_;
    std::vector<SearchAnswer> answers_;
    bool done_ = false;
    int signal_ = 0;
};

void print(const SearchAnswer& answer, bool json) {
    if (json) {
        std::printf("%s\n", answerJson(answer).constData());
    } else if (answer.status) {
        std::printf("%s\t%s\n", escapedName(answer.device).c_str(), answer.status->c_str());
    }
    if (!answer.error.empty()) {
        std::fprintf(stderr, "qm5-control: %s\n",
                     qPrintable(QCoreApplication::translate("FindCommand", "%1: %2")
                                    .arg(QString::fromStdString(escapedName(answer.device)),
                                         QString::fromStdString(answer.error).trimmed())));
    }
}

}  // namespace

QByteArray answerJson(const SearchAnswer& answer) {
    return answerJson(AnswerFields{std::nullopt, answer.device,
                                   std::string(kSearchQuery.substr(0, 3)), answer.replied,
                                   answer.reply, answer.replyChars, answer.status,
                                   QString::fromStdString(answer.error), answer.failure});
}

int findFromShell(std::vector<std::string> devices, bool json, const QString& logFile) {
    if (devices.empty()) {
        for (const FoundDevice& found : findSerialDevices()) devices.push_back(found.path);
    }
    if (devices.empty()) {
        std::fprintf(
            stderr, "qm5-control: %s\n",
            qPrintable(QCoreApplication::translate("FindCommand", "no serial device found.")));
        return kNoneFound;
    }
    ShellSearch search(devices, logFile);
    const std::vector<SearchAnswer> answers = search.run();
    for (const SearchAnswer& answer : answers) print(answer, json);
    const bool found = std::any_of(answers.begin(), answers.end(), [](const SearchAnswer& answer) {
        return answer.status.has_value();
    });
    if (!found && search.endedBy() == 0) {
        std::fprintf(
            stderr, "qm5-control: %s\n",
            qPrintable(QCoreApplication::translate("FindCommand", "no projector answered.")));
    }
    // Answers the caller never gets (standard output full or closed) are no success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "qm5-control: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "FindCommand", "the answers could not be written to standard output.")));
        return kNoneFound;
    }
    // What answered before a signal is printed; the program then ends as the signal would.
    if (search.endedBy() != 0) return 128 + search.endedBy();
    return found ? kFound : kNoneFound;
}

}  // namespace qm5
