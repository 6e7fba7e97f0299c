#pragma once
// How the chart options' previews draw their constellation from the
// document's sky.
#include "app/options/ChartOptionsValues.h"

namespace zarn {

class CInstant;
class CProgramPalette;
class SkyModel;

PreviewDrawer previewDrawer(SkyModel& sky, const CInstant& instant, const CProgramPalette& palette);

}  // namespace zarn
