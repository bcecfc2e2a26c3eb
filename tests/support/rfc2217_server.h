// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

#include <string>

namespace qm5::test {

/// A server on the loopback address that speaks RFC 2217 as it is told to, misbehaving or not.
class Rfc2217Server {
  public:
    enum class Behaviour { Answers, FloodsBeforeAnswering, Silent, RefusesBinary };

    /// Listens on `port` of 127.0.0.1, any free one by default.
    explicit Rfc2217Server(Behaviour behaviour, quint16 port = 0) : behaviour_(behaviour) {
        server_.listen(QHostAddress::LocalHost, port);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }

    bool listening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }

    std::string address() const {
        return "rfc2217://127.0.0.1:" + std::to_string(server_.serverPort());
    }
    /// The connection of the client, once there is one.
    QTcpSocket* client() const { return client_; }
    void send(const QByteArray& bytes) { client_->write(bytes); }

  private:
    void accept() {
        client_ = server_.nextPendingConnection();
        if (behaviour_ == Behaviour::Silent) return;
        client_->write(QByteArray("\xff\xfd\x2c", 3));  // IAC DO COM-PORT-OPTION
        if (behaviour_ == Behaviour::RefusesBinary) {
            client_->write(QByteArray("\xff\xfc\x00\xff\xfe\x00", 6));  // WONT, DONT BINARY
        }
        if (behaviour_ == Behaviour::FloodsBeforeAnswering) {
            client_->write(QByteArray(200 * 1024, 'x'));
            return;
        }
        QObject::connect(client_, &QTcpSocket::readyRead, client_, [this] { answer(); });
    }
    /// Once the client has sent its five settings, each is answered as set.
    void answer() {
        asked_ += client_->readAll();
        if (answered_ || !asked_.contains(QByteArray("\xff\xfa\x2c\x05", 4))) return;
        answered_ = true;
        client_->write(
            QByteArray::fromHex("fffa2c650000"
                                "4b00fff0"           // 19200
                                "fffa2c6608fff0"     // 8 data bits
                                "fffa2c6701fff0"     // no parity
                                "fffa2c6801fff0"     // 1 stop bit
                                "fffa2c6901fff0"));  // no flow control
    }

    Behaviour behaviour_;
    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    QByteArray asked_;
    bool answered_ = false;
};

}  // namespace qm5::test
