// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the horizon panorama that the window shows when magnified.
// The strip is laid out from ×1 to ×20 times the window's height (60° of
// altitude) and six times as wide (360° of azimuth); the scroll bar keeps the
// horizontal position, and the strip is raised so that the window shows the
// sky above the horizon: the lift is the share of the strip's height below
// the window's bottom edge. At ×1 the strip is laid out as without zoom.
#include "sky/CSurface.h"

namespace zarn {

class StripZoom {
public:
    double Factor() const { return m_factor; }
    bool IsWhole() const;
    double Lift() const { return m_lift; }
    void Reset();

    // The strip's height, in device units, for a window (or printed band)
    // `height` high: the height itself at ×1.
    static int StripHeight(int height, double factor);
    int StripHeight(int height) const { return StripHeight(height, m_factor); }
    // How far the horizon line is below the bottom edge of a window `height`
    // high, kept within the strip.
    int LiftUnits(int height) const;

    // Magnifies by a ratio (clamped to ×1 … ×20) so that the sky under the
    // window point `at` stays there, the strip scrolled by `scroll` device
    // units; returns the new scroll, within the strip.
    int ZoomAround(double ratio, SPoint at, SSize client, int scroll);
    // Raises the window by a drag of dy device units (the sky follows the hand).
    void RaiseBy(int dy, int height);

private:
    void SetLiftUnits(int units, int height);

    double m_factor = 1.0;
    double m_lift = 0.0;
};

}  // namespace zarn
