// SPDX-License-Identifier: MIT
#include "socket/panel_answer.h"

#include <QList>

namespace qm5 {

bool panelAnswerComplete(const QByteArray& answer) {
    return answer.endsWith("END\n") || (answer.startsWith("ERR ") && answer.endsWith('\n'));
}

PanelAnswer readPanelAnswer(const QByteArray& answer) {
    PanelAnswer read;
    if (answer.startsWith("ERR ")) {
        QByteArray why = answer.mid(4).trimmed();
        const QByteArray word = why.left(why.indexOf(' '));
        for (const Failure failure :
             {Failure::Busy, Failure::Interrupted, Failure::Forbidden, Failure::Missing,
              Failure::BadAddress, Failure::Unreachable}) {
            if (word.toStdString() != failureCode(failure)) continue;
            read.failure = failure;
            why.remove(0, word.size() + 1);
        }
        read.refused = QString::fromUtf8(why);
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
