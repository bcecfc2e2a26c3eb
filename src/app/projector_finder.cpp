// SPDX-License-Identifier: MIT
#include "app/projector_finder.h"

#include <QCoreApplication>

#include <set>
#include <utility>

#include "app/remote_control.h"
#include "app/script_requests.h"
#include "core/intervals.h"
#include "link/canonical_device.h"

namespace qm5 {

namespace {

/// The longest a panel takes to answer: the requests queued before, each up to the reply
/// timeout, then this one, and a margin for a busy machine.
constexpr int kPanelAnswerMs =
    static_cast<int>(ScriptRequests::kLongestQueue + 1) * kReplyTimeoutMs + 3000;
constexpr qsizetype kLongestAnswer = 70000;

QString tr(const char* text) {
    return QCoreApplication::translate("ProjectorSearch", text);
}

SearchAnswer unanswered(const std::string& device) {
    SearchAnswer answer{device};
    answer.error = tr("the panel that has it open did not answer.").toStdString();
    return answer;
}

/// The answer of a panel's lines: "RXD text", "STATUS text", "END", or "ERR why".
SearchAnswer panelAnswer(const std::string& device, const QByteArray& lines) {
    // A panel that tells no "HEX" line leaves the bytes unknown.
    SearchAnswer answer{device};
    if (lines.startsWith("ERR ")) {
        answer.error = tr("the panel that has it open did not send the query: %1")
                           .arg(QString::fromUtf8(lines.mid(4).trimmed()))
                           .toStdString();
        return answer;
    }
    for (const QByteArray& line : lines.split('\n')) {
        if (line.startsWith("RXD ")) {
            answer.replied = true;
            answer.reply = line.mid(4).toStdString();
        } else if (line.startsWith("HEX ")) {
            answer.replyHex = line.mid(4).toStdString();
        } else if (line.startsWith("STATUS ")) {
            answer.status = line.mid(7).trimmed().toStdString();
        }
    }
    return answer;
}

}  // namespace

PanelQuery::PanelQuery(std::string device, DeviceMaker& maker, QueryEvents& events,
                       TrafficRecorder* recorder, const OpenDevices& open)
    : device_(std::move(device)), maker_(maker), events_(events), recorder_(recorder), open_(open) {
    limit_.setSingleShot(true);
    connect(&panel_, &QLocalSocket::connected, this, &PanelQuery::onConnected);
    connect(&panel_, &QLocalSocket::errorOccurred, this, &PanelQuery::onSocketError);
    connect(&panel_, &QLocalSocket::readyRead, this, &PanelQuery::onReadyRead);
    connect(&limit_, &QTimer::timeout, this, [this] { finish(unanswered(device_)); });
}

void PanelQuery::start() {
    const QString name = remoteName(device_);
    if (name.isEmpty()) {
        onSocketError(QLocalSocket::ServerNotFoundError);
        return;
    }
    panel_.connectToServer(name);
}

void PanelQuery::onConnected() {
    panel_.write("SEND " + QByteArray(kSearchQuery.data(), 3) + "\n");
    limit_.start(kPanelAnswerMs);
}

void PanelQuery::onSocketError(QLocalSocket::LocalSocketError error) {
    if (done_ || direct_) return;
    // No panel has the device: it is asked on its own line.
    if (panel_.state() != QLocalSocket::ConnectedState &&
        (error == QLocalSocket::ServerNotFoundError ||
         error == QLocalSocket::ConnectionRefusedError)) {
        direct_ = std::make_unique<DeviceQuery>(device_, maker_, events_, open_);
        if (recorder_ != nullptr) direct_->recordTo(*recorder_);
        direct_->start();
        return;
    }
    finish(unanswered(device_));
}

void PanelQuery::onReadyRead() {
    answer_ += panel_.read(kLongestAnswer - answer_.size());
    const bool whole =
        answer_.endsWith("END\n") || (answer_.startsWith("ERR ") && answer_.endsWith('\n'));
    if (whole || answer_.size() == kLongestAnswer) finish(panelAnswer(device_, answer_));
}

void PanelQuery::finish(SearchAnswer answer) {
    if (done_) return;
    done_ = true;
    limit_.stop();
    panel_.abort();
    events_.onAnswered(answer);
}

ProjectorFinder::ProjectorFinder(const std::vector<std::string>& devices, FinderEvents& events,
                                 TrafficRecorder* recorder)
    : events_(events) {
    std::set<QString> seen;
    for (const std::string& device : devices) {
        if (!seen.insert(canonicalDevice(device)).second) continue;
        answers_.push_back(SearchAnswer{device});
        queries_.push_back(std::make_unique<PanelQuery>(
            device, maker_, static_cast<QueryEvents&>(*this), recorder, open_));
    }
}

void ProjectorFinder::start() {
    if (queries_.empty()) {
        events_.onSearchDone(answers_);
        return;
    }
    askMore();
}

void ProjectorFinder::askMore() {
    if (std::exchange(asking_, true)) return;
    while (asked_ < queries_.size() && asked_ - answered_ < kAtOnce) queries_[asked_++]->start();
    asking_ = false;
}

void ProjectorFinder::onAnswered(const SearchAnswer& answer) {
    for (SearchAnswer& slot : answers_) {
        if (slot.device == answer.device) slot = answer;
    }
    if (++answered_ == queries_.size()) {
        events_.onSearchDone(answers_);
        return;
    }
    askMore();
}

}  // namespace qm5
