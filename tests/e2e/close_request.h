// SPDX-License-Identifier: MIT
#pragma once

namespace qm5::test {

/// Asks an X window to close, as its close box does (WM_DELETE_WINDOW).
void sendCloseRequest(unsigned long window);

}  // namespace qm5::test
