// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>

#include <string_view>

class QLocalSocket;

namespace qm5 {

class ControlPanel;

/// Answers a script's client once and lets it go.
void answerScript(QLocalSocket* client, const QByteArray& lines);

/// A script's request served by the panel: the frame goes out as its button would send it, and
/// once the reply timeout has passed the script is answered "RXD text" (what the RXD line
/// showed), "STATUS text" for a status query, then "END". A request while a hold button is held
/// is answered "ERR why" and changes nothing.
class ScriptRequests final : public QObject {
  public:
    explicit ScriptRequests(ControlPanel& panel) : panel_(panel) {}

    void serve(QLocalSocket* client, std::string_view code);

  private:
    ControlPanel& panel_;
};

}  // namespace qm5
