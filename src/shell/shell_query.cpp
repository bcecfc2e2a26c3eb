// SPDX-License-Identifier: MIT
#include "shell/shell_query.h"
#include "core/escaped_name.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "core/intervals.h"
#include "core/traffic_text.h"
#include "devices/system_device_maker.h"
#include "link/frame.h"
#include "link/reply_end.h"
#include "link/reply_status.h"
#include "link/serial_control.h"
#include "link/traffic_log.h"
#include "shell/shell_log.h"
#include "socket/panel_answer.h"
#include "socket/panel_client.h"
#include "system/end_on_signals.h"

namespace qm5 {

namespace {

/// The longest opening of the device here takes before it is given up.
constexpr int kOpenMs = 5000;

QString noReplyError(int port, const std::string& device) {
    return QCoreApplication::translate("SendCommand", "%1 (%2): no reply within %3 ms.")
        .arg(QString::fromStdString(portLabel(port)), QString::fromStdString(escapedName(device)),
             QString::number(kReplyTimeoutMs));
}

/// A reply that ends at NAK is the projector's refusal, through a panel or on the line alike.
QueryOutcome judged(QueryOutcome outcome) {
    if (outcome.result != QueryOutcome::Result::Replied || !replyRefused(outcome.replyChars))
        return outcome;
    outcome.result = QueryOutcome::Result::Refused;
    outcome.failure = Failure::Refused;
    outcome.error = QCoreApplication::translate("SendCommand", "%1 (%2): the projector refused %3.")
                        .arg(QString::fromStdString(portLabel(outcome.port)),
                             QString::fromStdString(escapedName(outcome.device)),
                             QString::fromStdString(outcome.sent));
    return outcome;
}

/// Reads the panel's answer into `outcome`.
void readAnswer(const QByteArray& answer, QueryOutcome& outcome) {
    const PanelAnswer read = readPanelAnswer(answer);
    if (read.refused) {
        outcome.error = QCoreApplication::translate("SendCommand", "the panel did not send it: %1")
                            .arg(*read.refused);
        outcome.failure = read.failure;
        return;
    }
    if (!panelAnswerComplete(answer)) {
        outcome.error = QCoreApplication::translate(
                            "SendCommand", "the panel that has %1 (%2) open did not answer.")
                            .arg(QString::fromStdString(portLabel(outcome.port)),
                                 QString::fromStdString(escapedName(outcome.device)));
        outcome.failure = Failure::Unreachable;
        return;
    }
    outcome.reply = read.reply;
    outcome.replyChars = read.chars;
    outcome.status = read.status;
    if (!read.replied) {
        outcome.error = noReplyError(outcome.port, outcome.device);
        return;
    }
    outcome.result = QueryOutcome::Result::Replied;
}

template <typename Done>
void waitFor(Done done, int milliseconds) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
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
        case Result::Refused:
            return 4;
    }
    return 1;
}

/// The device itself, opened here at the first frame and kept open for the next ones.
class OwnLine final : private SerialListener, private EndSignalListener {
  public:
    OwnLine(int port, PortDevices& devices, const QString& logFile)
        : serial_(devices, deviceMaker_), log_(logFile) {
        serial_.setListener(*this);
        serial_.setDeviceChooser(DeviceChooser::CommandLine);
        serial_.setPortNumber(static_cast<std::int16_t>(port));
        serial_.setLineSettings("19200,N,8,1");
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
            outcome.failure = error.failure();
            return outcome;
        }
        waitFor([&] { return replyComplete(received_.chars()); }, kReplyTimeoutMs);
        outcome.device = serial_.devicePath();
        if (received_.empty()) {
            if (TrafficLog* log = log_.log())
                log->recordNoReply(portLabel(outcome.port), outcome.device, kReplyTimeoutMs);
            outcome.error = noReplyError(outcome.port, outcome.device);
            return outcome;
        }
        outcome.result = QueryOutcome::Result::Replied;
        outcome.replyChars = received_.chars();
        outcome.reply = received_.monitor();
        outcome.status = replyStatus(frameOf(frameText), received_.chars());
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
    [[noreturn]] void onEndSignal(int signal) override {
        close();
        std::fflush(stdout);
        std::_Exit(128 + signal);
    }
    void open() {
        serial_.setOpen(true);
        waitFor([&] { return serial_.link() != SerialControl::Link::Connecting; }, kOpenMs);
        if (!serial_.isOpen()) throw failure_;
    }
    void record(TrafficRecorder::Direction direction, std::string_view chars) {
        if (TrafficLog* log = log_.log())
            log->record(direction, portLabel(serial_.portNumber()), serial_.devicePath(), chars);
    }

    void onSerialEvent(LineEvent event) override {
        if (event != LineEvent::Received) return;
        const std::string piece = serial_.readAll();
        record(TrafficRecorder::Direction::Received, piece);
        received_.append(piece);
    }
    void onPortLost(const SerialError& error) override { failure_ = error; }
    void onPortOpenFailed(const SerialError& error) override { failure_ = error; }
    void onLinkChanged() override {}

    SystemDeviceMaker deviceMaker_;
    SerialControl serial_;
    ShellLog log_;
    TrafficText received_;
    SerialError failure_{""};
    const EndOnSignals ending_{*this};
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
        const PanelAsked asked = askPanel(outcome.device, request);
        if (asked.answer) {
            readAnswer(*asked.answer, outcome);
            return judged(std::move(outcome));
        }
        panelUnreachable_ = asked.unreachable;
        own_ = std::make_unique<OwnLine>(port_, devices_, logFile_);
    }
    outcome = judged(own_->ask(text, std::move(outcome)));
    // A panel may hold the line: the reason it cannot be asked is the news, not the line's.
    if (outcome.result == QueryOutcome::Result::CannotOpen && outcome.failure == Failure::Busy &&
        !panelUnreachable_.isEmpty()) {
        //: %1 is the port (COM1), %2 the device, %3 why no panel can be reached.
        outcome.error =
            QCoreApplication::translate(
                "SendCommand",
                "%1 (%2) cannot be opened here, and no panel that may have it open "
                "can be reached: %3")
                .arg(QString::fromStdString(portLabel(outcome.port)),
                     QString::fromStdString(escapedName(outcome.device)), panelUnreachable_);
    }
    return outcome;
}

}  // namespace qm5
