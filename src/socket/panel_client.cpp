// SPDX-License-Identifier: MIT
#include "socket/panel_client.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

#include "socket/panel_answer.h"
#include "socket/socket_path.h"

namespace qm5 {

PanelAsked askPanel(std::string_view device, const QByteArray& request) {
    const QString own = panelSocketPath(device);
    // The user's own panel first, then a service that the user's group may reach.
    QStringList names = servicesSocketPaths(device);
    if (!own.isEmpty()) names.prepend(own);
    QLocalSocket panel;
    for (const QString& name : names) {
        panel.connectToServer(name);
        if (panel.waitForConnected(1000)) break;
    }
    if (panel.state() != QLocalSocket::ConnectedState)
        return {std::nullopt, own.isEmpty() ? socketFolder().refusal : QString()};
    panel.write(request + "\n");
    QByteArray answer;
    // Bounded as a whole: a panel that sends a byte now and then must not hold the script forever.
    const QDeadlineTimer deadline(kPanelAnswerMs, Qt::PreciseTimer);
    while (answer.size() < kLongestPanelAnswer && !panelAnswerComplete(answer) &&
           panel.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        answer += panel.readAll();
    }
    return {answer, {}};
}

}  // namespace qm5
