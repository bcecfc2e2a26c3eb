// SPDX-License-Identifier: MIT
#include "devices/network_device.h"

#include <utility>

#include <algorithm>

namespace qm5 {

namespace {

using Setting = TelnetCodec::Setting;

constexpr Setting kSettings[] = {Setting::BaudRate, Setting::DataSize, Setting::Parity,
                                 Setting::StopSize, Setting::Control};

QString settingName(Setting setting) {
    switch (setting) {
        case Setting::BaudRate:
            return NetworkDevice::tr("the baud rate");
        case Setting::DataSize:
            return NetworkDevice::tr("the data bits");
        case Setting::Parity:
            return NetworkDevice::tr("the parity");
        case Setting::StopSize:
            return NetworkDevice::tr("the stop bits");
        case Setting::Control:
            break;
    }
    return NetworkDevice::tr("the flow control");
}

}  // namespace

NetworkDevice::NetworkDevice(NetworkAddress address, DeviceEvents& events, HostLookup lookup)
    : address_(std::move(address)), events_(events), lookup_(std::move(lookup)) {
    openLimit_.setSingleShot(true);
    openLimit_.setTimerType(Qt::PreciseTimer);
    subnegotiationLimit_.setSingleShot(true);
    subnegotiationLimit_.setTimerType(Qt::PreciseTimer);
    connect(&openLimit_, &QTimer::timeout, this, &NetworkDevice::onOpenLimit);
    connect(&subnegotiationLimit_, &QTimer::timeout, this, &NetworkDevice::onSubnegotiationLimit);
    connect(&socket_, &QTcpSocket::connected, this, &NetworkDevice::onConnected);
    connect(&socket_, &QTcpSocket::readyRead, this, &NetworkDevice::onReadyRead);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &NetworkDevice::onSocketError);
    connect(&socket_, &QTcpSocket::disconnected, this, &NetworkDevice::onDisconnected);
}

NetworkDevice::~NetworkDevice() {
    close();
}

QString NetworkDevice::server() const {
    const std::string host =
        address_.host.find(':') != std::string::npos ? "[" + address_.host + "]" : address_.host;
    return QString::fromStdString(host + ":" + std::to_string(address_.port));
}

bool NetworkDevice::open(const LineSettings& settings) {
    settings_ = settings;
    unread_.clear();
    telnet_.reset();
    setBusy(true);
    openLimit_.start(kOpenLimit);
    const QString host = QString::fromStdString(address_.host);
    if (const QHostAddress literal(host); !literal.isNull()) {
        connectTo({literal});
    } else if (lookup_) {
        stage_ = Stage::LookingUp;
        connectTo(lookup_(host));
    } else {
        stage_ = Stage::LookingUp;
        ++lookupsUnanswered_;
        lookupId_ = QHostInfo::lookupHost(host, this, &NetworkDevice::onLookedUp);
    }
    return false;
}

void NetworkDevice::onLookedUp(const QHostInfo& info) {
    --lookupsUnanswered_;
    lookupId_ = -1;
    if (stage_ != Stage::LookingUp) return;
    connectTo(info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>{});
}

void NetworkDevice::connectTo(const QList<QHostAddress>& addresses) {
    if (addresses.isEmpty()) {
        fail(tr("%1 is no known host.").arg(server()));
        return;
    }
    stage_ = Stage::Connecting;
    socket_.connectToHost(addresses.first(), address_.port);
}

void NetworkDevice::onConnected() {
    // A frame leaves at once in one piece.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (address_.protocol == NetworkAddress::Protocol::RawSocket) {
        opened();
        return;
    }
    stage_ = Stage::SettingLine;
    telnet_.emplace(*settings_);
    send(telnet_->opening());
}

void NetworkDevice::onReadyRead() {
    if (stage_ != Stage::SettingLine && stage_ != Stage::Open) return;
    if (!take()) return;
    if (stage_ == Stage::SettingLine) {
        checkLineSettings();
    } else if (!unread_.empty()) {
        events_.onLineReport(LineEvent::Received);
    }
}

bool NetworkDevice::take() {
    const QByteArray bytes = socket_.readAll();
    const std::string_view received(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!telnet_) {
        unread_ += received;
        return true;
    }
    const TelnetCodec::Decoded decoded = telnet_->decode(received);
    unread_ += decoded.data;
    if (telnet_->overlong()) {
        fail(tr("%1 sent a subnegotiation longer than %2 bytes.")
                 .arg(server(), QString::number(TelnetCodec::kLongestSubnegotiation)));
        return false;
    }
    if (telnet_->binaryRefused()) {
        fail(tr("%1 refuses Telnet binary transmission, without which the projector's bytes "
                "cannot pass unchanged.")
                 .arg(server()));
        return false;
    }
    if (!telnet_->inSubnegotiation()) {
        subnegotiationLimit_.stop();
    } else if (!subnegotiationLimit_.isActive()) {
        subnegotiationLimit_.start(kLongestSubnegotiation);
    }
    if (stage_ == Stage::SettingLine && unread_.size() > kMostBeforeOpen) {
        fail(tr("%1 sent more than %2 KiB before answering the line settings.")
                 .arg(server(), QString::number(kMostBeforeOpen / 1024)));
        return false;
    }
    return decoded.reply.empty() || send(decoded.reply);
}

bool NetworkDevice::send(const std::string& bytes) {
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (socket_.bytesToWrite() <= kMostUnread) return true;
    fail(tr("%1 does not read what the panel sends (%2 KiB waiting).")
             .arg(server(), QString::number(kMostUnread / 1024)));
    return false;
}

void NetworkDevice::checkLineSettings() {
    if (telnet_->refused()) {
        fail(tr("%1 refuses the COM Port Control Option (RFC 2217); for a raw TCP server use "
                "socket://.")
                 .arg(server()));
        return;
    }
    const bool answered =
        std::ranges::all_of(kSettings, [&](Setting s) { return telnet_->answer(s).has_value(); });
    if (!answered) return;
    for (const Setting setting : kSettings) {
        if (*telnet_->answer(setting) != telnet_->asked(setting)) {
            fail(tr("%1 refused %2 (asked %3, set %4).")
                     .arg(server(), settingName(setting), QString::number(telnet_->asked(setting)),
                          QString::number(*telnet_->answer(setting))));
            return;
        }
    }
    opened();
}

void NetworkDevice::opened() {
    openLimit_.stop();
    setBusy(false);
    stage_ = Stage::Open;
    events_.onDeviceOpened();
    // Serial data that came with the answers.
    if (!unread_.empty()) events_.onLineReport(LineEvent::Received);
}

void NetworkDevice::onSocketError(QAbstractSocket::SocketError error) {
    if (stage_ == Stage::Open || stage_ == Stage::Closed) return;  // a close says it
    if (error == QAbstractSocket::ConnectionRefusedError) {
        fail(
            tr("%1 refused the connection (no serial device server listens there).").arg(server()));
    } else if (error == QAbstractSocket::RemoteHostClosedError) {
        fail(tr("%1 closed the connection while setting the line.").arg(server()));
    } else {
        fail(tr("%1 cannot be reached (%2).").arg(server(), socket_.errorString()));
    }
}

void NetworkDevice::onDisconnected() {
    if (stage_ == Stage::Open) {
        fail(tr("%1 closed the connection.").arg(server()));
    } else if (stage_ != Stage::Closed) {
        fail(tr("%1 closed the connection while setting the line.").arg(server()));
    }
}

void NetworkDevice::onOpenLimit() {
    if (stage_ == Stage::SettingLine) {
        fail(tr("%1 did not answer the line settings (RFC 2217) within 3 seconds.").arg(server()));
    } else if (stage_ != Stage::Open && stage_ != Stage::Closed) {
        fail(tr("%1 did not answer within 3 seconds.").arg(server()));
    }
}

void NetworkDevice::onSubnegotiationLimit() {
    if (telnet_ && telnet_->inSubnegotiation()) {
        fail(tr("%1 began a subnegotiation and did not end it within 3 seconds.").arg(server()));
    }
}

void NetworkDevice::fail(const QString& failure) {
    if (stage_ == Stage::Closed) return;
    lost_ = stage_ == Stage::Open;
    failure_ = failure.toStdString();
    close();
    // Told from the event loop, not from inside the socket's own notification.
    QMetaObject::invokeMethod(this, &NetworkDevice::report, Qt::QueuedConnection);
}

void NetworkDevice::report() {
    if (lost_) {
        events_.onDeviceLost(failure_);
    } else {
        events_.onOpenFailed(failure_);
    }
}

void NetworkDevice::close() {
    if (lookupId_ >= 0) QHostInfo::abortHostLookup(std::exchange(lookupId_, -1));
    stage_ = Stage::Closed;
    openLimit_.stop();
    subnegotiationLimit_.stop();
    telnet_.reset();
    setBusy(false);
    // A FIN, not a reset: the server sees the client leave, as a closed serial port.
    socket_.disconnectFromHost();
    if (socket_.state() != QAbstractSocket::UnconnectedState) socket_.abort();
}

void NetworkDevice::write(std::string_view chars) {
    // A closed socket takes a write without a word; the loss may not have been told yet.
    if (stage_ != Stage::Open) throw DeviceFailure{failure_, true};
    if (!send(telnet_ ? TelnetCodec::escape(chars) : std::string(chars))) {
        throw DeviceFailure{failure_, true};
    }
    socket_.flush();
}

std::string NetworkDevice::readAll() {
    if (stage_ == Stage::Open) take();
    return std::exchange(unread_, {});
}

void NetworkDevice::setBusy(bool busy) {
    if (busy == busy_ || busyIndicator_ == nullptr) return;
    busy_ = busy;
    busyIndicator_->setBusy(busy);
}

}  // namespace qm5
