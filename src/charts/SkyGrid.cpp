// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/SkyGrid.h"

#include <cmath>
#include <vector>

#include "charts/CCarte.h"
#include "time/Calendar.h"

namespace zarn {

namespace {

// A line through sky directions, cut where a point leaves the chart; its
// segments go to the surface together at Flush.
class GridPath {
public:
    GridPath(CSurface& dc, const CCarte& chart, double scale) : m_dc(dc), m_chart(chart), m_scale(scale) {}
    void To(double south, double west, double up)
    {
        double x = 0.0;
        double y = 0.0;
        if (!m_chart.ProjectHorizontal(south, west, up, x, y)) {
            m_open = false;
            return;
        }
        const SPoint p{roundUnits(m_scale * x), roundUnits(m_scale * y)};
        if (m_open)
            m_segments.push_back({m_last.x, m_last.y, p.x, p.y});
        m_last = p;
        m_open = true;
    }
    void Break() { m_open = false; }
    void Flush()
    {
        m_dc.Lines(m_segments);
        m_segments.clear();
    }

private:
    CSurface& m_dc;
    const CCarte& m_chart;
    double m_scale;
    SPoint m_last;
    bool m_open = false;
    std::vector<CSurface::Segment> m_segments;
};

void horizontalDirection(double azimuth, double altitude, double& south, double& west, double& up)
{
    south = std::cos(altitude) * std::cos(azimuth);
    west = std::cos(altitude) * std::sin(azimuth);
    up = std::sin(altitude);
}

void drawHorizontalGrid(CSurface& dc, const CCarte& chart, double scale)
{
    dc.SetPen(kHorizontalGridColour, 0);
    GridPath path(dc, chart, scale);
    double s = 0.0, w = 0.0, u = 0.0;
    for (int altitude = 0; altitude <= 80; altitude += 10) {
        path.Break();
        for (int azimuth = 0; azimuth <= 360; azimuth += 2) {
            horizontalDirection(azimuth * kRadPerDeg, altitude * kRadPerDeg, s, w, u);
            path.To(s, w, u);
        }
    }
    for (int azimuth = 0; azimuth < 360; azimuth += 10) {
        path.Break();
        // Every 30° up to the zenith, the others up to 80°.
        const int top = azimuth % 30 == 0 ? 90 : 80;
        for (int altitude = 0; altitude <= top; altitude += 2) {
            horizontalDirection(azimuth * kRadPerDeg, altitude * kRadPerDeg, s, w, u);
            path.To(s, w, u);
        }
    }
    path.Flush();
    // The cardinal points just above the horizon (azimuth from the south
    // towards the west).
    static const struct { int azimuth; const char* text; } kCardinal[4] = {
        {0, "S"}, {90, "O"}, {180, "N"}, {270, "E"}};
    dc.SetTextColour(kHorizontalGridColour);
    dc.SetBackground(paletteIndex(kSkyPaletteEntry), false);
    for (const auto& point : kCardinal) {
        horizontalDirection(point.azimuth * kRadPerDeg, 3.0 * kRadPerDeg, s, w, u);
        double x = 0.0, y = 0.0;
        if (chart.ProjectHorizontal(s, w, u, x, y))
            dc.Text(roundUnits(scale * x), roundUnits(scale * y), point.text, kAlignCentre | kAlignBaseline);
    }
}

void drawEquatorialGrid(CSurface& dc, const CCarte& chart, double scale)
{
    dc.SetPen(kEquatorialGridColour, 0);
    GridPath path(dc, chart, scale);
    double s = 0.0, w = 0.0, u = 0.0;
    for (int hour = 0; hour < 24; ++hour) {
        path.Break();
        for (int dec = -80; dec <= 80; dec += 2) {
            chart.EquatorialToHorizontal(hour * 15.0 * kRadPerDeg, dec * kRadPerDeg, s, w, u);
            path.To(s, w, u);
        }
    }
    for (int dec = -80; dec <= 80; dec += 10) {
        path.Break();
        for (int ra = 0; ra <= 360; ra += 2) {
            chart.EquatorialToHorizontal(ra * kRadPerDeg, dec * kRadPerDeg, s, w, u);
            path.To(s, w, u);
        }
    }
    path.Flush();
}

}  // namespace

void drawSkyGrid(CSurface& dc, const CCarte& chart, double scale, const SkyGridOptions& options)
{
    if (!options.any())
        return;
    dc.Save();
    dc.SetFont({"Arial", -legibleFontHeight(dc, 11), 400});
    if (options.equatorial)
        drawEquatorialGrid(dc, chart, scale);
    if (options.horizontal)
        drawHorizontalGrid(dc, chart, scale);
    dc.Restore();
}

}  // namespace zarn
