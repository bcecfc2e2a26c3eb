// SPDX-License-Identifier: MIT
#include "shell/shell_output.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "link/answer_json.h"
#include "panel/commands.h"
#include "shell/shell_query.h"

namespace qm5 {

namespace {

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void printJson(const QByteArray& line) {
    std::printf("%s\n", line.constData());
}

}  // namespace

int writtenOut(int status) {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return status;
    std::fprintf(stderr, "qm5-control: %s\n",
                 qPrintable(QCoreApplication::translate("SendCommand",
                                                        "standard output could not be written.")));
    return 1;
}

int ShellOutput::print(const QueryOutcome& outcome) const {
    if (json_) {
        printJson(answerJson(AnswerFields{outcome.port, outcome.device, outcome.sent,
                                          outcome.replied(), outcome.reply, outcome.replyChars,
                                          outcome.status, outcome.error, outcome.failure,
                                          outcome.result == QueryOutcome::Result::Refused}));
        return writtenOut(outcome.exitStatus());
    }
    if (outcome.replied()) {
        std::printf("%s\n", outcome.reply.c_str());
        if (outcome.status) std::printf("%s\n", outcome.status->c_str());
    }
    if (!outcome.error.isEmpty())
        std::fprintf(stderr, "qm5-control: %s\n", qPrintable(outcome.error));
    return writtenOut(outcome.exitStatus());
}

int ShellOutput::printCommands() const {
    for (const Command& command : panelCommands()) {
        if (json_) {
            printJson(QJsonDocument(QJsonObject{{"code", qString(command.code)},
                                                {"name", qString(command.name)},
                                                {"button", qString(command.label)}})
                          .toJson(QJsonDocument::Compact));
        } else {
            std::printf("%-4s %-30s %s\n", std::string(command.code).c_str(), command.name.c_str(),
                        command.label.c_str());
        }
    }
    return writtenOut(0);
}

}  // namespace qm5
