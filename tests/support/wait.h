// SPDX-License-Identifier: MIT
#pragma once

namespace qm5::test {

/// The longest a test waits for something asynchronous (a reply, a warning, a process): far more
/// than it takes on a loaded machine, and only reached when the test fails.
inline constexpr int kWaitMs = 8000;

}  // namespace qm5::test
