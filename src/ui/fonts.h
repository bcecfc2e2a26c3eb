// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "core/control_table.h"

namespace qm5 {

/// Maps the layout's Japanese Gothic faces to their metric twins where they are not installed.
void installFontSubstitutes();

QFont fontFor(const FontSpec& spec);

}  // namespace qm5
