// SPDX-License-Identifier: MIT
#pragma once

#include <QHostAddress>
#include <QHostInfo>
#include <QList>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

#include "core/busy_indicator.h"
#include "devices/device.h"
#include "devices/device_address.h"
#include "devices/telnet_codec.h"

namespace qm5 {

/// A serial device server on the network: RFC 2217, which sets the line and checks the server's
/// answers, or a raw TCP socket. The open runs in the background (lookup, connect, the line
/// settings), bounded by kOpenLimit; nothing waits on the window's thread. No peer can make it
/// keep more than a bounded number of bytes: a server past a bound is dropped as one that closed.
class NetworkDevice final : public QObject, public Device {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kOpenLimit{3000};
    /// The most a server may leave unread of what the panel sends.
    static constexpr qint64 kMostUnread = 64 * 1024;
    /// The most serial data a server may send before the line is set.
    static constexpr std::size_t kMostBeforeOpen = 64 * 1024;
    /// The longest a subnegotiation may stay open.
    static constexpr std::chrono::milliseconds kLongestSubnegotiation{3000};

    /// Turns a host name into addresses at once; empty when it cannot. For tests, whose names
    /// must not leave the machine; the program looks names up in the background.
    using HostLookup = std::function<QList<QHostAddress>(const QString& host)>;

    NetworkDevice(NetworkAddress address, DeviceEvents& events, HostLookup lookup = {});
    /// Shown busy while the server connects.
    void showBusyOn(BusyIndicator& indicator) { busyIndicator_ = &indicator; }
    ~NetworkDevice() override;

    /// Whether a name lookup of this process may still run on Qt's lookup thread: one that was
    /// given up is not stopped (the resolver cannot be interrupted), and Qt waits for it at exit.
    static bool lookupMayRun() { return lookupsUnanswered_ > 0; }

    bool open(const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return stage_ == Stage::Open; }
    /// The line settings are those the server was given at the open.
    void apply(const LineSettings& /*settings*/) override {}
    void write(std::string_view chars) override;
    std::string readAll() override;

  private:
    enum class Stage { Closed, LookingUp, Connecting, SettingLine, Open };

    void onLookedUp(const QHostInfo& info);
    void connectTo(const QList<QHostAddress>& addresses);
    void onConnected();
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void onOpenLimit();
    void onSubnegotiationLimit();
    /// Takes what has arrived: data to the unread, protocol answered. False once it failed.
    bool take();
    /// Sends bytes to the server. False once it failed.
    bool send(const std::string& bytes);
    void checkLineSettings();
    void opened();
    /// The open failed, or the open device is gone: closes and tells, from the event loop.
    void fail(const QString& failure);
    void report();
    void setBusy(bool busy);
    /// HOST:PORT, as failures name the server.
    QString server() const;

    NetworkAddress address_;
    DeviceEvents& events_;
    HostLookup lookup_;
    QTcpSocket socket_;
    QTimer openLimit_;
    QTimer subnegotiationLimit_;
    int lookupId_ = -1;
    /// Lookups started and not answered, given up ones included; only the window's thread
    /// counts them.
    static inline int lookupsUnanswered_ = 0;
    Stage stage_ = Stage::Closed;
    std::optional<LineSettings> settings_;
    std::optional<TelnetCodec> telnet_;
    std::string unread_;
    /// The failure to tell, and whether the device was open when it came.
    std::string failure_;
    bool lost_ = false;
    bool busy_ = false;
    BusyIndicator* busyIndicator_ = nullptr;
};

}  // namespace qm5
