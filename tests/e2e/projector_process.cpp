// SPDX-License-Identifier: MIT
#include "projector_process.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <stdexcept>

namespace qm5::test {

ProjectorProcess::ProjectorProcess(const QStringList& options)
    : logPath_(QDir::temp().filePath(
          QStringLiteral("qm5-projector-%1.log").arg(QUuid::createUuid().toString(QUuid::Id128)))) {
    process_.start(QStringLiteral(QM5_PROJECTOR_BINARY),
                   QStringList(options) << QStringLiteral("--log") << logPath_);
    if (!process_.waitForReadyRead(5000)) throw std::runtime_error("qm5-projector did not start");
    path_ = process_.readLine().trimmed().toStdString();
}

ProjectorProcess::~ProjectorProcess() {
    process_.terminate();
    process_.waitForFinished(3000);
    QFile::remove(logPath_);
}

std::string ProjectorProcess::log() const {
    QFile file(logPath_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace qm5::test
