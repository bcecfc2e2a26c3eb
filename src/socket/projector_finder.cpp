// SPDX-License-Identifier: MIT
#include "socket/projector_finder.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <algorithm>

#include <set>
#include <utility>

#include "devices/canonical_device.h"
#include "socket/panel_answer.h"
#include "socket/socket_path.h"

namespace qm5 {

namespace {

SearchAnswer unanswered(const std::string& device) {
    SearchAnswer answer{device};
    answer.error =
        QCoreApplication::translate("ProjectorSearch", "the panel that has it open did not answer.")
            .toStdString();
    answer.failure = Failure::Unreachable;
    return answer;
}

SearchAnswer panelAnswer(const std::string& device, const QByteArray& lines) {
    const PanelAnswer read = readPanelAnswer(lines);
    SearchAnswer answer{device};
    if (read.refused) {
        answer.error =
            QCoreApplication::translate("ProjectorSearch",
                                        "the panel that has it open did not send the query: %1")
                .arg(*read.refused)
                .toStdString();
        answer.failure = read.failure;
        return answer;
    }
    answer.replied = read.replied;
    answer.reply = read.reply;
    answer.replyChars = read.chars;
    if (read.status) answer.status = QString::fromStdString(*read.status).trimmed().toStdString();
    return answer;
}

}  // namespace

PanelQuery::PanelQuery(std::string device, DeviceMaker& maker, QueryEvents& events,
                       TrafficRecorder* recorder, const OpenDevices& open)
    : device_(std::move(device)), maker_(maker), events_(events), recorder_(recorder), open_(open) {
    limit_.setSingleShot(true);
    limit_.setTimerType(Qt::PreciseTimer);
    connect(&panel_, &QLocalSocket::connected, this, &PanelQuery::onConnected);
    connect(&panel_, &QLocalSocket::errorOccurred, this, &PanelQuery::onSocketError);
    connect(&panel_, &QLocalSocket::readyRead, this, &PanelQuery::onReadyRead);
    connect(&limit_, &QTimer::timeout, this, [this] { finish(unanswered(device_)); });
}

void PanelQuery::start() {
    const QString name = panelSocketPath(device_);
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
    answer_ += panel_.read(kLongestPanelAnswer - answer_.size());
    if (panelAnswerComplete(answer_) || answer_.size() == kLongestPanelAnswer) {
        finish(panelAnswer(device_, answer_));
    }
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
        answeredSlots_.push_back(false);
        queries_.push_back(std::make_unique<PanelQuery>(
            device, maker_, static_cast<QueryEvents&>(*this), recorder, open_));
    }
}

std::size_t ProjectorFinder::atOnce(long descriptors) {
    return static_cast<std::size_t>(
        std::max(1L, (descriptors - kDescriptorsSpared) / kDescriptorsPerLine));
}

void ProjectorFinder::start() {
    if (queries_.empty()) {
        events_.onSearchDone(answers_);
        return;
    }
    // The scan goes on even when the finder goes first; its answer then reaches no one.
    QThread* scan = QThread::create([scanned = QPointer<ProjectorFinder>(this)] {
        OpenDevices open = openDevices();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [scanned, open = std::move(open)]() mutable {
                if (scanned) scanned->onScanned(std::move(open));
            },
            Qt::QueuedConnection);
    });
    connect(scan, &QThread::finished, scan, &QObject::deleteLater);
    scan->start();
}

void ProjectorFinder::onScanned(OpenDevices open) {
    open_ = std::move(open);
    askMore();
}

void ProjectorFinder::askMore() {
    if (std::exchange(asking_, true)) return;
    while (asked_ < queries_.size() && asked_ - answered_ < atOnce_) queries_[asked_++]->start();
    asking_ = false;
}

std::vector<SearchAnswer> ProjectorFinder::answersSoFar() const {
    std::vector<SearchAnswer> answered;
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        if (answeredSlots_[i]) answered.push_back(answers_[i]);
    }
    return answered;
}

void ProjectorFinder::onAnswered(const SearchAnswer& answer) {
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        if (answers_[i].device != answer.device) continue;
        answers_[i] = answer;
        answeredSlots_[i] = true;
    }
    if (++answered_ == queries_.size()) {
        events_.onSearchDone(answers_);
        return;
    }
    askMore();
}

}  // namespace qm5
