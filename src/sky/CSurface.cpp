// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zarn {

namespace {

// Is the point of the rectangle nearest to the ellipse's centre inside the
// ellipse? Scaling both axes to the unit circle keeps "nearest" exact for an
// ellipse whose axes are those of the rectangle.
bool rectTouchesEllipse(const SRect& r, const SRect& box)
{
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    if (a <= 0.0 || b <= 0.0)
        return false;
    const double cx = box.left + a;
    const double cy = box.top + b;
    // Pixel (x, y) covers [x, x + 1): the rectangle spans [left, right].
    const double nx = std::clamp(cx, static_cast<double>(r.left), static_cast<double>(r.right));
    const double ny = std::clamp(cy, static_cast<double>(r.top), static_cast<double>(r.bottom));
    const double dx = (nx - cx) / a;
    const double dy = (ny - cy) / b;
    return dx * dx + dy * dy < 1.0;
}

}  // namespace

bool SClip::isPointVisible(int x, int y) const
{
    // A point is the one-unit square at its coordinates.
    return isRectVisible({x, y, x + 1, y + 1});
}

bool SClip::isRectVisible(const SRect& r) const
{
    if (r.isEmpty())
        return false;
    switch (kind) {
    case None:
        return true;
    case Empty:
        return false;
    case Rect:
        return rect.intersects(r);
    case Ellipse:
        return rect.intersects(r) && rectTouchesEllipse(r, rect);
    }
    return false;
}

void CSurface::Lines(const std::vector<Segment>& segments)
{
    for (const Segment& s : segments)
        Line(s.x1, s.y1, s.x2, s.y2);
}

void CSurface::Save()
{
    m_saved.push_back(m_state);
    SaveDevice();
}

void CSurface::Restore()
{
    if (m_saved.empty())
        return;
    const State current = m_state;
    m_state = m_saved.back();
    m_saved.pop_back();
    RestoreDevice();
    if (!(m_state.clip == current.clip))
        ApplyClip(m_state.clip);
    if (!(m_state.origin == current.origin))
        ApplyOrigin(m_state.origin);
}

void CSurface::SetClip(const SClip& clip)
{
    m_state.clip = clip;
    ApplyClip(clip);
}

void CSurface::SetOrigin(SPoint origin)
{
    m_state.origin = origin;
    ApplyOrigin(origin);
}

int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    // Rounded half away from zero, as the platform's function does.
    const long long product = static_cast<long long>(number) * numerator;
    const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(denominator)) / 2)
                                / std::llabs(static_cast<long long>(denominator));
    const long long rounded = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    return static_cast<int>(rounded);
}

int millimetreUnits(int dotsPerInch)
{
    return mulDiv(100, dotsPerInch, 2540);
}

}  // namespace zarn
