// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "pty/pty_pair.h"

namespace qm5::test {

/// A pseudo-terminal that the panel knows by a name in a folder of the test's own (as it knows
/// an adapter by its /dev/serial/by-id link), gone with the line. Never by /dev/pts/N: a panel
/// whose line went away reopens whatever appears under its name, and a freed number goes to the
/// next pseudo-terminal of any process, one of a test running beside this one too.
class NamedPty : public PtyPair {
  public:
    NamedPty(const QTemporaryDir& folder, const char* name)
        : name_(folder.filePath(QString::fromUtf8(name)).toStdString()) {
        QFile::link(QString::fromStdString(path()), QString::fromStdString(name_));
    }
    ~NamedPty() { unplug(); }

    const std::string& name() const { return name_; }
    /// The adapter is pulled: the far end hangs up and the name goes.
    void unplug() {
        hangUp();
        QFile::remove(QString::fromStdString(name_));
    }

  private:
    std::string name_;
};

}  // namespace qm5::test
