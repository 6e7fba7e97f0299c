// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon: its disc outline and the lit part bounded by the limb and the
// terminator, turned by the bright-limb angle.
#include <cmath>
#include <vector>

#include "sky/CLune.h"
#include "sky/DrawFlags.h"
#include "sky/draw/CVueNoms.h"
#include "sky/draw/DrawHelpers.h"
#include "time/Calendar.h"

namespace zarn {

namespace {

// The lit part as a polygon: the limb from t = 0° to 180° relative to the
// orientation, then along the terminator, whose distance from the centre
// at each degree is ρ = r·K / √(1 − cos² t · (1 − K²)), K the terminator
// factor (1 new, 0 quarter, −1 full). Relative to the centre, y downward.
std::vector<SPoint> litPart(int x, int y, double r, double K, double orientation)
{
    const double degree = kPi / 180.0;
    std::vector<SPoint> limb;
    std::vector<SPoint> terminator;
    limb.reserve(181);
    terminator.reserve(181);
    for (int step = 0; step <= 180; ++step) {
        const double t = step * degree;
        const double c = std::cos(t);
        const double rho = r * K / std::sqrt(1.0 - c * c * (1.0 - K * K));
        const double a = t + orientation;
        limb.push_back({x + static_cast<int>(std::lround(r * std::cos(a))),
                        y - static_cast<int>(std::lround(r * std::sin(a)))});
        terminator.push_back({x + static_cast<int>(std::lround(rho * std::cos(a))),
                              y - static_cast<int>(std::lround(rho * std::sin(a)))});
    }
    // Back along the terminator to the limb's start. A gibbous terminator
    // (K < 0) lies beyond the centre, its ends swapped: following it forward
    // closes the outline without crossing the disc along a diameter, which a
    // smoothed fill would show as a dark seam.
    if (K < 0.0)
        limb.insert(limb.end(), terminator.begin(), terminator.end());
    else
        limb.insert(limb.end(), terminator.rbegin(), terminator.rend());
    return limb;
}

}  // namespace

bool CLune::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    if (!(flags & draw::kMoon))
        return false;
    const int r = dc.IsPrinter() ? 2 * dc.Millimetre().cy : ScreenRadius(dc);
    // Charts in the observer's frame turn the limb by the parallactic angle;
    // equatorial charts use the bright-limb angle alone.
    double orientation =
        (flags & draw::kEquatorialMoon) ? m_brightLimbAngle : m_brightLimbAngle - m_parallacticAngle;
    // On a round chart the zenith lies towards the centre (the origin), not
    // straight up: turn the phase by the angle between the two directions.
    if ((flags & draw::kRoundChart) && !(flags & draw::kEquatorialMoon) && (x != 0 || y != 0))
        orientation += std::atan2(static_cast<double>(y), static_cast<double>(-x)) - kPi / 2.0;
    const Colour ink = dc.IsPrinter() ? kBlack : inkFor(dc, flags, GetColor());
    dc.Save();
    dc.SetPen(ink, 0);
    dc.SetNoBrush();
    dc.Ellipse({x - r, y - r, x + r + 1, y + r + 1});
    if (m_terminator < 1.0) {
        dc.SetBrush(dc.IsPrinter() ? kBlack : ((flags & draw::kOwnColours) ? GetColor() : kWhite));
        dc.SetNoPen();
        dc.Polygon(litPart(x, y, r + 0.5, m_terminator, orientation));
    }
    dc.Restore();
    return true;
}

// The disc grows with the screen: 5 pixels on a 640-pixel screen.
int CLune::ScreenRadius(const CSurface& dc) const { return mulDiv(5, dc.ScreenWidth(), 640); }

bool CLune::HitTest(SPoint point, int x, int y, const CSurface&, std::uint32_t) const
{
    return inBox(point, {x - 5, y - 5, x + 6, y + 6});
}

bool CLune::DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags)
{
    if (!(flags & draw::kMoon))
        return false;
    return drawBodyLabel(*this, dc, x, y, labels, 3 * dc.Millimetre().cx);
}

}  // namespace zarn
