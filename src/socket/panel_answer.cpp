// SPDX-License-Identifier: MIT
#include "socket/panel_answer.h"

namespace qm5 {

bool panelAnswerComplete(const QByteArray& answer) {
    return answer.endsWith("END\n") || (answer.startsWith("ERR ") && answer.endsWith('\n'));
}

PanelAnswer readPanelAnswer(const QByteArray& answer) {
    PanelAnswer read;
    if (answer.startsWith("ERR ")) {
        read.refused = QString::fromUtf8(answer.mid(4).trimmed());
        return read;
    }
    for (const QByteArray& line : answer.split('\n')) {
        if (line.startsWith("RXD ")) {
            read.replied = true;
            read.reply = line.mid(4).toStdString();
        } else if (line.startsWith("HEX ")) {
            read.chars = QByteArray::fromHex(line.mid(4)).toStdString();
        } else if (line.startsWith("STATUS ")) {
            read.status = line.mid(7).toStdString();
        }
    }
    return read;
}

}  // namespace qm5
