// SPDX-License-Identifier: MIT
#include "shell/send_command.h"

#include "shell/shell_output.h"
#include "shell/shell_query.h"

namespace qm5 {

int sendFromShell(ShellSend request) {
    const ShellOutput output(request.json);
    ShellQueries queries(request.port, std::move(request.devices), request.logFile);
    std::optional<QueryOutcome> sent;
    if (request.code) sent = queries.send(*request.code);
    if (request.rawText) sent = queries.sendRaw(*request.rawText);
    if (sent) {
        const int status = output.print(*sent);
        // The waiting goes on after a command that got no reply: a projector counting down may
        // say nothing and still be on its way. A refused one will never get there.
        using Result = QueryOutcome::Result;
        if (!request.until || sent->result == Result::CannotOpen || sent->result == Result::Refused)
            return status;
    }
    return waitUntil(queries, output, *request.until);
}

}  // namespace qm5
