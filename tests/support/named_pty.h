// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>

#include <string>

#include "pty/pty_pair.h"

namespace qm5::test {

/// A pseudo-terminal that the panel knows by a name in a folder of the test's own, as it knows
/// an adapter by its /dev/serial/by-id link; the name goes when the line goes.
///
/// Never /dev/pts/N itself: a panel whose line went away watches the name and opens whatever
/// appears there, and the kernel gives a freed number to the next pseudo-terminal of any
/// process, so the panel of a test running beside this one would take this test's line.
class NamedPty : public PtyPair {
  public:
    explicit NamedPty(const QString& name) : name_(name.toStdString()) {
        QFile::link(QString::fromStdString(PtyPair::path()), name);
    }
    ~NamedPty() { unplug(); }
    NamedPty(const NamedPty&) = delete;
    NamedPty& operator=(const NamedPty&) = delete;

    /// What the panel is given.
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
