// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display options the document keeps for every chart.
#include "settings/SkyToggles.h"

namespace zarn {

struct DisplayOptions : SkyToggles {};

}  // namespace zarn
