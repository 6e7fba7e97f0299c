// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the chart options' previews draw their constellation from the
// document's sky, as the constellation map draws it.
#include "app/options/ChartOptionsValues.h"

namespace zarn {

class ChartHost;
class CProgramPalette;
class SkyModel;

// The drawer keeps references to the host and the sky: it is used while the
// sheet is open, when neither changes.
PreviewDrawer previewDrawer(ChartHost& host, const SkyModel& sky, const CProgramPalette& palette);

}  // namespace zarn
