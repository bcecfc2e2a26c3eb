// SPDX-License-Identifier: MIT
#include "app/find_command.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/end_on_signals.h"
#include "app/projector_finder.h"
#include "link/serial_devices.h"
#include "link/traffic_log.h"

namespace qm5 {

namespace {

constexpr int kFound = 0;
constexpr int kNoneFound = 1;

QString tr(const char* text) {
    return QCoreApplication::translate("FindCommand", text);
}

/// Waits for the end of the search in a loop of its own: nothing else runs in this mode.
class ShellSearch final : private FinderEvents, private TrafficLogEvents {
  public:
    ShellSearch(const std::vector<std::string>& devices, const QString& logFile)
        : log_(logFile.isEmpty()
                   ? nullptr
                   : std::make_unique<TrafficLog>(logFile, static_cast<TrafficLogEvents&>(*this))),
          finder_(devices, *this, log_.get()) {
        if (!log_) return;
        if (const auto failure = log_->open()) {
            std::fprintf(
                stderr, "qm5-control: %s\n",
                qPrintable(
                    tr("%1; going on without a log.").arg(QString::fromStdString(*failure))));
        }
    }

    std::vector<SearchAnswer> run() {
        finder_.start();
        if (!done_) loop_.exec();
        return answers_;
    }

  private:
    void onSearchDone(const std::vector<SearchAnswer>& answers) override {
        answers_ = answers;
        done_ = true;
        loop_.quit();
    }
    void onLogFailed(const std::string& why) override {
        std::fprintf(stderr, "qm5-control: %s.\n", why.c_str());
    }

    QEventLoop loop_;
    // Ctrl+C ends the search as its timeout would: the devices closed, set back and unlocked.
    const EndOnSignals ending_{loop_};
    std::unique_ptr<TrafficLog> log_;
    ProjectorFinder finder_;
    std::vector<SearchAnswer> answers_;
    bool done_ = false;
};

void print(const SearchAnswer& answer, bool json) {
    if (json) {
        std::printf("%s\n", answerJson(answer).constData());
    } else if (answer.status) {
        std::printf("%s\t%s\n", answer.device.c_str(), answer.status->c_str());
    }
    if (!answer.error.empty()) {
        std::fprintf(stderr, "qm5-control: %s\n",
                     qPrintable(tr("%1: %2").arg(QString::fromStdString(answer.device),
                                                 QString::fromStdString(answer.error).trimmed())));
    }
}

}  // namespace

QByteArray answerJson(const SearchAnswer& answer) {
    QJsonObject object{
        {QStringLiteral("device"), QString::fromStdString(answer.device)},
        {QStringLiteral("sent"), QString::fromLatin1(kSearchQuery.data(), 3)},
        {QStringLiteral("replied"), answer.replied},
        {QStringLiteral("reply"), QString::fromStdString(answer.reply)},
    };
    if (answer.replyHex) {
        object.insert(QStringLiteral("replyHex"), QString::fromStdString(*answer.replyHex));
    }
    if (answer.status)
        object.insert(QStringLiteral("status"), QString::fromStdString(*answer.status));
    if (!answer.error.empty())
        object.insert(QStringLiteral("error"), QString::fromStdString(answer.error));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

int findFromShell(std::vector<std::string> devices, bool json, const QString& logFile) {
    if (devices.empty()) {
        for (const FoundDevice& found : findSerialDevices()) devices.push_back(found.path);
    }
    if (devices.empty()) {
        std::fprintf(stderr, "qm5-control: %s\n", qPrintable(tr("no serial device found.")));
        return kNoneFound;
    }
    ShellSearch search(devices, logFile);
    const std::vector<SearchAnswer> answers = search.run();
    for (const SearchAnswer& answer : answers) print(answer, json);
    // Answers the caller never gets (standard output full or closed) are no success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "qm5-control: %s\n",
                     qPrintable(tr("the answers could not be written to standard output.")));
        return kNoneFound;
    }
    const bool found = std::any_of(answers.begin(), answers.end(), [](const SearchAnswer& answer) {
        return answer.status.has_value();
    });
    return found ? kFound : kNoneFound;
}

}  // namespace qm5
