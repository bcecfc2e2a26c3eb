// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace qm5::test {

/// A real serial device server, Debian's ser2net, with one RFC 2217 listener on the loopback
/// address in front of a serial device.
class Ser2netProcess {
  public:
    /// Serves `device`, set up at `lineSettings` ("9600n81") until a client asks otherwise.
    Ser2netProcess(std::string device, std::string lineSettings);
    ~Ser2netProcess();

    /// rfc2217://127.0.0.1:PORT
    std::string address() const;
    void start();
    void stop();

  private:
    std::string device_;
    std::string lineSettings_;
    int port_;
    QTemporaryDir folder_;
    QProcess process_;
};

}  // namespace qm5::test
