// SPDX-License-Identifier: MIT
#include "link/status_decoding.h"

#include <array>
#include <span>

namespace qm5 {

namespace {

struct Row {
    std::string_view monitorPrefix;
    std::string_view statusLine;
};

// Keys are monitor text, not raw replies: a space, then each received character and a space.
constexpr std::array kPowerState{
    Row{" 0 0", " Power ON"},
    Row{" 8 0", " Stand by"},
    Row{" 4 0", " Count down"},
    Row{" 2 0", " Cooling down"},
    Row{" 1 0", " Power abnormality"},
    Row{" 0 8", " Temperature abnormality"},
    Row{" 1 8", " Temperature abnormality"},
    Row{" 2 8", " Temperature abnormality"},
    Row{" 4 8", " Temperature abnormality"},
    Row{" 8 8", " Temperature abnormality"},
};

// The abnormal states have several replies and one status line.
constexpr std::array kPowerStateNames{
    PowerStateName{"on", " Power ON"},
    PowerStateName{"standby", " Stand by"},
    PowerStateName{"countdown", " Count down"},
    PowerStateName{"cooling", " Cooling down"},
    PowerStateName{"power-abnormal", " Power abnormality"},
    PowerStateName{"temperature-abnormal", " Temperature abnormality"},
};

constexpr std::array kInput{
    Row{" 0", " Input 1"},
    Row{" 1", " Input 2"},
    Row{" 2", " Input 3"},
};

constexpr std::array kOrientation{
    Row{" 1 1", " Normally"},
    Row{" 1 0", " Top/Bottom reversal"},
    Row{" 0 1", " Left/Right reversal"},
    Row{" 0 0", " Top/Bottom , Left/Right reversal"},
};

struct TableQuery {
    std::string_view frame;
    std::size_t compared;
    std::span<const Row> rows;
};

const std::array kTableQueries{
    TableQuery{"CR0\r", 4, kPowerState},
    TableQuery{"CR1\r", 2, kInput},
    TableQuery{"CR4\r", 4, kOrientation},
};

constexpr std::string_view kLampTimeFrame = "CR3\r";
constexpr std::size_t kLampTimeCompared = 8;

}  // namespace

std::optional<std::string> decodeStatus(std::string_view sendText, std::string_view reply) {
    for (const TableQuery& query : kTableQueries) {
        if (sendText != query.frame) continue;
        const std::string_view prefix = reply.substr(0, query.compared);
        for (const Row& row : query.rows) {
            if (prefix == row.monitorPrefix) return std::string(row.statusLine);
        }
        return std::nullopt;
    }
    if (sendText == kLampTimeFrame) {
        return std::string(reply.substr(0, kLampTimeCompared)) + " Hour Use";
    }
    return std::nullopt;
}

std::span<const PowerStateName> powerStateNames() {
    return kPowerStateNames;
}

}  // namespace qm5
