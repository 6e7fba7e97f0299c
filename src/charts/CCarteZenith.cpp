// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarteZenith.h"

namespace zarn {

CCarteZenith::CCarteZenith(ChartHost& host) : CCarteCiel(host) { m_kind = Zenith; }

// The rim of the inscribed circle lies at a zenith distance of
// 2·atan(0.5 / 1.585), about 35°.
double CCarteZenith::GetScale(SRect rect) const { return 1.585 * rect.width(); }

}  // namespace zarn
