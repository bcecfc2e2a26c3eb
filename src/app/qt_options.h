// SPDX-License-Identifier: MIT
#pragma once

class QCommandLineParser;

namespace qm5 {

/// Qt's own options (-platform, -style, -reverse...), which QApplication takes out of the command
/// line itself: known to `parser`, so that they are no unknown option, and hidden from --help.
void addQtOwnOptions(QCommandLineParser& parser);

}  // namespace qm5
