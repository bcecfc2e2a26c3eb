// SPDX-License-Identifier: MIT
#include "app/send_command.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "app/remote_control.h"
#include "app/script_requests.h"
#include "core/intervals.h"
#include "core/monitor_text.h"
#include "core/traffic_text.h"
#include "link/exchange.h"
#include "link/frame.h"
#include "link/open_failure.h"
#include "link/qt_device_memory.h"
#include "link/serial_control.h"
#include "link/status_decoding.h"
#include "link/system_device_maker.h"
#include "link/traffic_log.h"

namespace qm5 {

namespace {

constexpr int kNoReply = 1;
constexpr int kCannotOpen = 3;
/// The longest the panel takes to answer: the requests queued before, each up to the reply
/// timeout, then this one, and a margin for a busy machine.
constexpr int kPanelAnswerMs =
    static_cast<int>(ScriptRequests::kLongestQueue + 1) * kReplyTimeoutMs + 3000;
/// The longest opening of the device here takes before it is given up.
constexpr int kOpenMs = 5000;
constexpr qint64 kLongestAnswer = 70000;

/// The one line of a frame without a reply: the port, the device and the timeout.
int noReply(int port, const std::string& device) {
    std::fprintf(stderr, "qm5-control: %s (%s): no reply within %d ms.\n", portLabel(port).c_str(),
                 device.c_str(), kReplyTimeoutMs);
    return kNoReply;
}

/// The status once the reply is printed: a reply the caller never gets (standard output full or
/// closed) is no success.
int printed() {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
    std::fprintf(stderr, "qm5-control: the reply could not be written to standard output.\n");
    return kNoReply;
}

/// Through the panel that has the device open. Returns the exit status, or nothing when no
/// panel has it.
std::optional<int> throughPanel(const Command& command, int port, const std::string& device) {
    const QString name = remoteName(device);
    if (name.isEmpty()) return std::nullopt;
    QLocalSocket panel;
    panel.connectToServer(name);
    if (!panel.waitForConnected(1000)) return std::nullopt;
    panel.write("SEND " + QByteArray(command.code.data(), command.code.size()) + "\n");
    QByteArray answer;
    while (answer.size() < kLongestAnswer && !answer.endsWith("END\n") &&
           !answer.startsWith("ERR") && panel.waitForReadyRead(kPanelAnswerMs)) {
        answer += panel.readAll();
    }
    answer += panel.readAll();
    if (answer.startsWith("ERR ")) {
        std::fprintf(stderr, "qm5-control: the panel did not send it: %s",
                     answer.mid(4).constData());
        return kNoReply;
    }
    if (!answer.endsWith("END\n")) {
        std::fprintf(stderr, "qm5-control: the panel that has %s (%s) open did not answer.\n",
                     portLabel(port).c_str(), device.c_str());
        return kNoReply;
    }
    if (!answer.startsWith("RXD ")) return noReply(port, device);
    for (const QByteArray& line : answer.split('\n')) {
        if (line.startsWith("RXD ")) std::printf("%s\n", line.mid(4).constData());
        if (line.startsWith("STATUS ")) std::printf("%s\n", line.mid(7).constData());
    }
    return printed();
}

/// Sends on the device itself and collects what comes back within the reply timeout.
class OwnSend final : private SerialListener, public TrafficLogEvents {
  public:
    OwnSend(int port, PortDevices& devices, const QString& logFile)
        : serial_(devices, deviceMaker_) {
        serial_.setListener(*this);
        serial_.setDeviceChooser(DeviceChooser::CommandLine);
        serial_.setPortNumber(static_cast<std::int16_t>(port));
        serial_.setLineSettings("19200,N,8,1");
        if (logFile.isEmpty()) return;
        log_ = std::make_unique<TrafficLog>(logFile, *this);
        if (const auto failure = log_->open()) {
            std::fprintf(stderr, "qm5-control: %s; going on without a log.\n", failure->c_str());
        }
    }

    int send(const Command& command) {
        try {
            serial_.setOpen(true);
            wait([&] { return serial_.link() != SerialControl::Link::Connecting; }, kOpenMs);
            if (!serial_.isOpen()) throw SerialError(failure_);
            const std::string frame = frameOf(command.code);
            serial_.write(frame);
            record(TrafficRecorder::Direction::Sent, frame);
        } catch (const SerialError& error) {
            std::fprintf(stderr, "qm5-control: %s\n", error.what());
            return kCannotOpen;
        }
        wait([] { return false; }, kReplyTimeoutMs);
        serial_.setOpen(false);
        if (received_.empty()) {
            const int port = serial_.portNumber();
            if (log_) log_->recordNoReply(portLabel(port), serial_.devicePath(), kReplyTimeoutMs);
            return noReply(port, serial_.devicePath());
        }
        std::printf("%s\n", received_.monitor().c_str());
        constexpr std::size_t kDecodedChars = 4;
        if (const auto status = decodeStatus(
                frameOf(command.code), monitorText(received_.chars().substr(0, kDecodedChars)))) {
            std::printf("%s\n", status->c_str());
        }
        return printed();
    }

  private:
    template <typename Done>
    void wait(Done done, int milliseconds) {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(milliseconds);
        while (!done() && limit.isActive()) loop.processEvents(QEventLoop::WaitForMoreEvents);
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
};

}  // namespace

int sendFromShell(const Command& command, int port, PortDevices::PerPort commandLine,
                  const QString& logFile) {
    QtDeviceMemory memory;
    PortDevices devices(memory, std::move(commandLine));
    if (const auto status = throughPanel(command, port, devices.deviceFor(port))) return *status;
    OwnSend own(port, devices, logFile);
    return own.send(command);
}

}  // namespace qm5
