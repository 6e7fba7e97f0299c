// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of a round chart that the window shows: the whole chart magnified
// from ×1 to ×20, and the chart point shown in the middle of the window, in
// units of the chart's radius (the horizon circle of the whole-sky chart is
// at 1). At ×1 the chart is laid out exactly as without zoom.
#include "sky/CSurface.h"

namespace zarn {

class ChartZoom {
public:
    static constexpr double kMin = 1.0;
    static constexpr double kMax = 20.0;

    double Factor() const { return m_factor; }
    bool IsWhole() const { return m_factor <= kMin; }
    void Reset();

    // The rectangle (device units, from the window's top-left) the chart is
    // laid out in: the window's own, magnified.
    SRect Layout(SSize client) const { return LayoutAt(client, m_factor); }
    static SRect LayoutAt(SSize client, double factor);
    // The device point of the chart's origin: the layout's own at ×1, else
    // the one that brings the chosen middle to the middle of the window.
    // scale: chart units per radius at this magnification.
    SPoint Origin(SPoint layoutOrigin, double scale, SSize client) const;

    // Magnifies by a ratio (clamped to ×1 … ×20) so that the chart point
    // under the device point `at` stays there; origin and scale are those of
    // the last paint, scaleAt gives the scale for a magnification.
    template <typename ScaleAt>
    void ZoomAround(double ratio, SPoint at, SPoint origin, double scale, SSize client, ScaleAt scaleAt)
    {
        const double factor = Clamp(m_factor * ratio);
        if (factor == m_factor || scale <= 0.0)
            return;
        const double qx = (at.x - origin.x) / scale;
        const double qy = (at.y - origin.y) / scale;
        m_factor = factor;
        if (IsWhole()) {
            Reset();
            return;
        }
        const double next = scaleAt(factor);
        // The new origin puts q back under the point; the middle follows.
        const double ox = at.x - qx * next;
        const double oy = at.y - qy * next;
        m_cx = (client.cx / 2.0 - ox) / next;
        m_cy = (client.cy / 2.0 - oy) / next;
        ClampMiddle();
    }

    // A magnification brought within ×1 … ×20; one within rounding of ×1 (a
    // wheel turned back as far as it went) is ×1.
    static double Clamp(double f) { return f < kMin + 1e-9 ? kMin : (f > kMax ? kMax : f); }

    // Moves the view by a drag of (dx, dy) device units: the sky follows the hand.
    void PanBy(int dx, int dy, double scale);
    double MiddleX() const { return m_cx; }
    double MiddleY() const { return m_cy; }

private:
    void ClampMiddle();

    double m_factor = 1.0;
    double m_cx = 0.0;
    double m_cy = 0.0;
};

}  // namespace zarn
