// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

namespace qm5::test {

/// The qm5-projector program running on a pseudo-terminal of its own.
class ProjectorProcess {
  public:
    explicit ProjectorProcess(const QStringList& options = {});
    ~ProjectorProcess();

    /// The device the panel is to open.
    const std::string& path() const { return path_; }
    /// What the projector logged so far (it always logs, to a file of its own).
    std::string log() const;
    bool running() const { return process_.state() == QProcess::Running; }

  private:
    QProcess process_;
    std::string path_;
    QString logPath_;
};

}  // namespace qm5::test
