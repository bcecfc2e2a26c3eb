// SPDX-License-Identifier: MIT
#include "link/network_device.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHostInfo>
#include <QTimer>

#include <algorithm>

namespace qm5 {

namespace {

using Setting = TelnetCodec::Setting;

std::chrono::milliseconds left(std::chrono::steady_clock::time_point deadline) {
    const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return std::max(remaining, std::chrono::milliseconds(1));
}

/// A busy cursor while the window waits for the network.
class BusyCursor {
  public:
    BusyCursor() {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            shown_ = true;
        }
    }
    ~BusyCursor() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool shown_ = false;
};

const char* settingName(Setting setting) {
    switch (setting) {
        case Setting::BaudRate:
            return "the baud rate";
        case Setting::DataSize:
            return "the data bits";
        case Setting::Parity:
            return "the parity";
        case Setting::StopSize:
            return "the stop bits";
        case Setting::Control:
            break;
    }
    return "the flow control";
}

}  // namespace

NetworkDevice::NetworkDevice(NetworkAddress address, DeviceEvents& events, HostLookup lookup)
    : address_(std::move(address)), events_(events), lookup_(std::move(lookup)) {
    connect(&socket_, &QTcpSocket::readyRead, this, &NetworkDevice::onReadyRead);
    connect(&socket_, &QTcpSocket::disconnected, this, &NetworkDevice::onDisconnected);
}

void NetworkDevice::onReadyRead() {
    if (!open_) return;  // the open reads for itself
    take();
    if (!unread_.empty()) events_.onLineEvent(LineEvent::Received);
}

QList<QHostAddress> NetworkDevice::lookUpHost(const QString& host,
                                              std::chrono::milliseconds limit) {
    QList<QHostAddress> found;
    QEventLoop wait;
    QTimer::singleShot(limit, &wait, &QEventLoop::quit);
    QHostInfo::lookupHost(host, &wait, [&](const QHostInfo& info) {
        if (info.error() == QHostInfo::NoError) found = info.addresses();
        wait.quit();
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    return found;
}

DeviceFailure NetworkDevice::failure(const std::string& what) const {
    const std::string host =
        address_.host.find(':') != std::string::npos ? "[" + address_.host + "]" : address_.host;
    return DeviceFailure{host + ":" + std::to_string(address_.port) + " " + what};
}

void NetworkDevice::open(const LineSettings& settings) {
    const BusyCursor busy;
    const Clock::time_point deadline = Clock::now() + kOpenLimit;
    unread_.clear();
    connectTo(deadline);
    // A frame leaves at once in one piece.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (address_.protocol == NetworkAddress::Protocol::Rfc2217) {
        try {
            agreeOnLine(settings, deadline);
        } catch (const DeviceFailure&) {
            socket_.abort();
            throw;
        }
    }
    open_ = true;
}

void NetworkDevice::connectTo(Clock::time_point deadline) {
    const QString host = QString::fromStdString(address_.host);
    QHostAddress literal(host);
    const QList<QHostAddress> addresses =
        literal.isNull() ? lookup_(host, left(deadline)) : QList<QHostAddress>{literal};
    if (addresses.isEmpty()) throw failure("is no known host.");
    socket_.abort();
    socket_.connectToHost(addresses.first(), address_.port);
    if (socket_.waitForConnected(static_cast<int>(left(deadline).count()))) return;
    const QAbstractSocket::SocketError error = socket_.error();
    socket_.abort();
    if (error == QAbstractSocket::ConnectionRefusedError) {
        throw failure("refused the connection (no serial device server listens there).");
    }
    if (error == QAbstractSocket::SocketTimeoutError) {
        throw failure("did not answer within 3 seconds.");
    }
    throw failure("cannot be reached (" + socket_.errorString().toStdString() + ").");
}

void NetworkDevice::agreeOnLine(const LineSettings& settings, Clock::time_point deadline) {
    telnet_.emplace(settings);
    const std::string opening = telnet_->opening();
    socket_.write(opening.data(), static_cast<qint64>(opening.size()));
    constexpr Setting kSettings[] = {Setting::BaudRate, Setting::DataSize, Setting::Parity,
                                     Setting::StopSize, Setting::Control};
    const auto answered = [&] {
        return std::ranges::all_of(kSettings,
                                   [&](Setting s) { return telnet_->answer(s).has_value(); });
    };
    while (!answered() && !telnet_->refused()) {
        if (Clock::now() >= deadline ||
            !socket_.waitForReadyRead(static_cast<int>(left(deadline).count()))) {
            if (socket_.state() != QAbstractSocket::ConnectedState) {
                throw failure("closed the connection while setting the line.");
            }
            throw failure("did not answer the line settings (RFC 2217) within 3 seconds.");
        }
        take();
    }
    if (telnet_->refused()) {
        throw failure(
            "refuses the COM Port Control Option (RFC 2217); for a raw TCP server use "
            "socket://.");
    }
    for (const Setting setting : kSettings) {
        if (*telnet_->answer(setting) != telnet_->asked(setting)) {
            throw failure("refused " + std::string(settingName(setting)) + " (asked " +
                          std::to_string(telnet_->asked(setting)) + ", set " +
                          std::to_string(*telnet_->answer(setting)) + ").");
        }
    }
}

void NetworkDevice::take() {
    const QByteArray bytes = socket_.readAll();
    if (!telnet_) {
        unread_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        return;
    }
    const TelnetCodec::Decoded decoded = telnet_->decode(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    unread_ += decoded.data;
    if (!decoded.reply.empty()) {
        socket_.write(decoded.reply.data(), static_cast<qint64>(decoded.reply.size()));
    }
}

void NetworkDevice::close() {
    open_ = false;
    telnet_.reset();
    // A FIN, not a reset: the server sees the client leave, as a closed serial port.
    socket_.disconnectFromHost();
    if (socket_.state() != QAbstractSocket::UnconnectedState) socket_.abort();
}

void NetworkDevice::write(std::string_view chars) {
    const std::string wire = telnet_ ? TelnetCodec::escape(chars) : std::string(chars);
    const qint64 written = socket_.write(wire.data(), static_cast<qint64>(wire.size()));
    socket_.flush();
    if (written == static_cast<qint64>(wire.size())) return;
    close();
    throw DeviceFailure{failure("lost the connection.").reason, true};
}

std::string NetworkDevice::readAll() {
    take();
    return std::exchange(unread_, {});
}

void NetworkDevice::onDisconnected() {
    if (!open_) return;
    open_ = false;
    telnet_.reset();
    // Reported from the event loop, not from inside the socket's own notification.
    QMetaObject::invokeMethod(this, &NetworkDevice::reportLost, Qt::QueuedConnection);
}

void NetworkDevice::reportLost() {
    events_.onDeviceLost(failure("closed the connection.").reason);
}

}  // namespace qm5
