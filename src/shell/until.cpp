// SPDX-License-Identifier: MIT
#include "shell/until.h"
#include "core/escaped_name.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "panel/commands.h"
#include "shell/shell_output.h"
#include "shell/shell_query.h"

namespace qm5 {

namespace {

using std::chrono::milliseconds;

/// The STATUS button's code: each query is sent as that button sends it.
std::string_view statusCode() {
    return findCommand("status")->code;
}

/// Lets the events run meanwhile: a late reply is read, not left to the next query.
void pause(milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int timedOut(const QueryOutcome& last, const std::optional<std::string>& seen,
             const Waiting& waiting) {
    const QString lastSeen =
        seen ? QString::fromStdString(*seen).trimmed()
             : QCoreApplication::translate("Until", "none", "the last status seen");
    std::fprintf(
        stderr, "qm5-control: %s\n",
        qPrintable(QCoreApplication::translate(
                       "Until", "%1 (%2): not %3 within %4 s; the last status seen: %5.")
                       .arg(QString::fromStdString(portLabel(last.port)),
                            QString::fromStdString(escapedName(last.device)),
                            QString::fromLatin1(waiting.state.name),
                            QString::number(static_cast<double>(waiting.timeout.count()) / 1000.0),
                            lastSeen)));
    return 1;
}

}  // namespace

std::optional<milliseconds> nextQueryIn(milliseconds askedAt, milliseconds now,
                                        const Waiting& waiting) {
    if (now >= waiting.timeout) return std::nullopt;
    return std::max(milliseconds(0), std::min(askedAt + waiting.every, waiting.timeout) - now);
}

int waitUntil(ShellQueries& queries, const ShellOutput& output, const Waiting& waiting) {
    QElapsedTimer clock;
    clock.start();
    std::optional<std::string> seen;
    for (;;) {
        const milliseconds askedAt(clock.elapsed());
        const QueryOutcome outcome = queries.send(statusCode());
        if (outcome.status) seen = outcome.status;
        const bool reached = outcome.status == waiting.state.statusLine;
        const bool last = reached || outcome.result == QueryOutcome::Result::CannotOpen;
        // In JSON every query is a line; otherwise only the answer it ends with.
        if (output.json() && output.print(outcome) != outcome.exitStatus()) return 1;
        if (last) return output.json() ? outcome.exitStatus() : output.print(outcome);
        const auto next = nextQueryIn(askedAt, milliseconds(clock.elapsed()), waiting);
        if (!next) {
            if (!output.json()) output.print(outcome);
            return timedOut(outcome, seen, waiting);
        }
        pause(*next);
    }
}

}  // namespace qm5
