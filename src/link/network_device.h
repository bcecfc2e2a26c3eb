// SPDX-License-Identifier: MIT
#pragma once

#include <QHostAddress>
#include <QList>
#include <QTcpSocket>

#include <chrono>
#include <functional>
#include <optional>

#include "link/device.h"
#include "link/device_address.h"
#include "link/telnet_codec.h"

namespace qm5 {

/// A serial device server on the network: RFC 2217, which sets the line and checks the server's
/// answers, or a raw TCP socket. Opening is bounded by kOpenLimit, with a busy cursor.
class NetworkDevice final : public QObject, public Device {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kOpenLimit{3000};

    /// Turns a host name into addresses within the time given; empty when it cannot.
    using HostLookup =
        std::function<QList<QHostAddress>(const QString& host, std::chrono::milliseconds limit)>;

    NetworkDevice(NetworkAddress address, DeviceEvents& events, HostLookup lookup = lookUpHost);

    void open(const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return open_; }
    /// The line settings are those the server was given at the open.
    void apply(const LineSettings& /*settings*/) override {}
    void write(std::string_view chars) override;
    std::string readAll() override;

    /// The system's name lookup, bounded in time.
    static QList<QHostAddress> lookUpHost(const QString& host, std::chrono::milliseconds limit);

  private:
    using Clock = std::chrono::steady_clock;

    void connectTo(Clock::time_point deadline);
    void agreeOnLine(const LineSettings& settings, Clock::time_point deadline);
    /// Takes what has arrived: data to the unread, protocol answered.
    void take();
    void onReadyRead();
    void onDisconnected();
    void reportLost();
    DeviceFailure failure(const std::string& what) const;

    NetworkAddress address_;
    DeviceEvents& events_;
    HostLookup lookup_;
    QTcpSocket socket_;
    std::optional<TelnetCodec> telnet_;
    std::string unread_;
    bool open_ = false;
};

}  // namespace qm5
