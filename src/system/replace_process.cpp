// SPDX-License-Identifier: MIT
#include "system/replace_process.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qm5 {

QString replaceProcessBy(const QString& program, char* argv[]) {
#ifdef Q_OS_UNIX
    std::fflush(nullptr);
    const QByteArray path = QFile::encodeName(program);
    ::execv(path.constData(), argv);
    return QString::fromLocal8Bit(std::strerror(errno));
#else
    (void)program;
    (void)argv;
    return QStringLiteral("not supported on this system");
#endif
}

}  // namespace qm5
