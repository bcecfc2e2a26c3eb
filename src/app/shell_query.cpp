// SPDX-License-Identifier: MIT
#include "app/shell_query.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/end_on_signals.h"
#include "app/remote_control.h"
#include "app/script_requests.h"
#include "core/intervals.h"
#include "core/monitor_text.h"
#include "core/traffic_text.h"
#include "link/frame.h"
#include "link/reply_end.h"
#include "link/serial_control.h"
#include "link/status_decoding.h"
#include "link/system_device_maker.h"
#include "link/traffic_log.h"

namespace qm5 {

namespace {

/// The longest the panel takes to answer: the requests queued before, each up to the reply
/// timeout, then this one, and a margin for a busy machine.
constexpr int kPanelAnswerMs =
    static_cast<int>(ScriptRequests::kLongestQueue + 1) * kReplyTimeoutMs + 3000;
/// The longest opening of the device here takes before it is given up.
constexpr int kOpenMs = 5000;
/// The longest answer a panel gives: the longest reply it keeps, as monitor text (up to four
/// characters a byte) and as hex (three), and the lines' words.
constexpr qint64 kLongestAnswer = 7 * static_cast<qint64>(TrafficText::kMaxLength) + 1024;

QString noReplyError(int port, const std::string& device) {
    return QCoreApplication::translate("SendCommand", "%1 (%2): no reply within %3 ms.")
        .arg(QString::fromStdString(portLabel(port)), QString::fromStdString(device))
        .arg(kReplyTimeoutMs);
}

/// Reads the panel's answer ("RXD", "HEX", "STATUS" lines, then "END") into `outcome`.
void readAnswer(const QByteArray& answer, QueryOutcome& outcome) {
    if (answer.startsWith("ERR ")) {
        outcome.error = QCoreApplication::translate("SendCommand", "the panel did not send it: %1")
                            .arg(QString::fromUtf8(answer.mid(4).trimmed()));
        return;
    }
    if (!answer.endsWith("END\n")) {
        outcome.error = QCoreApplication::translate(
                            "SendCommand", "the panel that has %1 (%2) open did not answer.")
                            .arg(QString::fromStdString(portLabel(outcome.port)),
                                 QString::fromStdString(outcome.device));
        return;
    }
    for (const QByteArray& line : answer.split('\n')) {
        if (line.startsWith("RXD ")) outcome.reply = line.mid(4).toStdString();
        if (line.startsWith("HEX ")) {
            outcome.replyChars = QByteArray::fromHex(line.mid(4)).toStdString();
        }
        if (line.startsWith("STATUS ")) outcome.status = line.mid(7).toStdString();
    }
    if (!answer.startsWith("RXD ")) {
        outcome.error = noReplyError(outcome.port, outcome.device);
        return;
    }
    outcome.result = QueryOutcome::Result::Replied;
}

/// Through the panel that has the device open; nothing when no panel has it.
std::optional<QueryOutcome> throughPanel(const QByteArray& request, QueryOutcome outcome) {
    const QString name = remoteName(outcome.device);
    if (name.isEmpty()) return std::nullopt;
    QLocalSocket panel;
    panel.connectToServer(name);
    if (!panel.waitForConnected(1000)) return std::nullopt;
    panel.write(request + "\n");
    QByteArray answer;
    // Bounded as a whole: a panel that sends a byte now and then must not hold the script forever.
    const QDeadlineTimer deadline(kPanelAnswerMs);
    const auto whole = [&] {
        return answer.endsWith("END\n") || (answer.startsWith("ERR") && answer.endsWith('\n'));
    };
    while (answer.size() < kLongestAnswer && !whole() &&
           panel.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        answer += panel.readAll();
    }
    readAnswer(answer, outcome);
    return outcome;
}

template <typename Done>
void waitFor(Done done, int milliseconds) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(milliseconds);
    while (!done() && limit.isActive()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

int QueryOutcome::exitStatus() const {
    switch (result) {
        case Result::Replied:
            return 0;
        case Result::NoReply:
            return 1;
        case Result::CannotOpen:
            return 3;
    }
    return 1;
}

/// The device itself, opened here at the first frame and kept open for the next ones.
class OwnLine final : private SerialListener, public TrafficLogEvents {
  public:
    OwnLine(int port, PortDevices& devices, const QString& logFile)
        : serial_(devices, deviceMaker_) {
        serial_.setListener(*this);
        serial_.setDeviceChooser(DeviceChooser::CommandLine);
        serial_.setPortNumber(static_cast<std::int16_t>(port));
        serial_.setLineSettings("19200,N,8,1");
        if (logFile.isEmpty()) return;
        log_ = std::make_unique<TrafficLog>(logFile, *this);
        if (const auto failure = log_->open()) {
            std::fprintf(
                stderr, "qm5-control: %s\n",
                qPrintable(QCoreApplication::translate("SendCommand", "%1; going on without a log.")
                               .arg(QString::fromStdString(*failure))));
        }
    }
    ~OwnLine() override { close(); }

    QueryOutcome ask(std::string_view frameText, QueryOutcome outcome) {
        try {
            if (!serial_.isOpen()) open();
            const std::string frame = frameOf(frameText);
            received_.clear();
            serial_.write(frame);
            record(TrafficRecorder::Direction::Sent, frame);
        } catch (const SerialError& error) {
            outcome.result = QueryOutcome::Result::CannotOpen;
            outcome.error = QString::fromStdString(error.what());
            return outcome;
        }
        waitFor([&] { return replyComplete(received_.chars()); }, kReplyTimeoutMs);
        outcome.device = serial_.devicePath();
        if (received_.empty()) {
            if (log_) log_->recordNoReply(portLabel(outcome.port), outcome.device, kReplyTimeoutMs);
            outcome.error = noReplyError(outcome.port, outcome.device);
            return outcome;
        }
        outcome.result = QueryOutcome::Result::Replied;
        outcome.replyChars = received_.chars();
        outcome.reply = received_.monitor();
        // The status tables read no more than the first four characters of a reply.
        constexpr std::size_t kDecodedChars = 4;
        outcome.status = decodeStatus(frameOf(frameText),
                                      monitorText(received_.chars().substr(0, kDecodedChars)));
        return outcome;
    }

  private:
    void close() {
        // Whatever the device does on closing, the answer is out already.
        try {
            serial_.setOpen(false);
        } catch (const SerialError&) {
        }
    }
    /// A signal while the device is open here (Ctrl+C in a long --until) ends the program at
    /// once, as the signal would, but closes the device first so that its lock file goes.
    [[noreturn]] void endBySignal(int signal) {
        close();
        std::fflush(stdout);
        std::_Exit(128 + signal);
    }
    void open() {
        serial_.setOpen(true);
        waitFor([&] { return serial_.link() != SerialControl::Link::Connecting; }, kOpenMs);
        if (!serial_.isOpen()) throw SerialError(failure_);
    }
    void record(TrafficRecorder::Direction direction, std::string_view chars) {
        if (log_)
            log_->record(direction, portLabel(serial_.portNumber()), serial_.devicePath(), chars);
    }

    void onSerialEvent(LineEvent event) override {
        if (event != LineEvent::Received) return;
        const std::string piece = serial_.readAll();
        record(TrafficRecorder::Direction::Received, piece);
        received_.append(piece);
    }
    void onPortLost(const SerialError& error) override { failure_ = error.what(); }
    void onPortOpenFailed(const SerialError& error) override { failure_ = error.what(); }
    void onLinkChanged() override {}
    void onLogFailed(const std::string& why) override {
        std::fprintf(stderr, "qm5-control: %s.\n", why.c_str());
    }

    SystemDeviceMaker deviceMaker_;
    SerialControl serial_;
    std::unique_ptr<TrafficLog> log_;
    TrafficText received_;
    std::string failure_;
    const EndOnSignals ending_{[this](int signal) { endBySignal(signal); }};
};

ShellQueries::ShellQueries(int port, PortDevices::PerPort commandLine, const QString& logFile)
    : devices_(memory_, std::move(commandLine)), port_(port), logFile_(logFile) {}

ShellQueries::~ShellQueries() = default;

QueryOutcome ShellQueries::send(std::string_view code) {
    return ask(code, "SEND " + QByteArray(code.data(), static_cast<qsizetype>(code.size())));
}

QueryOutcome ShellQueries::sendRaw(std::string_view text) {
    return ask(text, "RAW " + QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

QueryOutcome ShellQueries::ask(std::string_view text, const QByteArray& request) {
    QueryOutcome outcome;
    outcome.port = port_;
    outcome.device = devices_.deviceFor(port_);
    outcome.sent = text;
    if (!own_) {
        if (auto answered = throughPanel(request, outcome)) return *std::move(answered);
        own_ = std::make_unique<OwnLine>(port_, devices_, logFile_);
    }
    return own_->ask(text, std::move(outcome));
}

}  // namespace qm5
