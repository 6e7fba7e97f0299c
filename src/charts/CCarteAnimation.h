// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of the trajectory animation: a fixed region of the ecliptic on
// which the animated bodies are plotted step by step. Every plotted position
// stays as a trail point; the latest position of each body is marked with its
// symbol. Trails and marks are kept in ecliptic coordinates, so that they
// survive any repaint, resize or printing at another scale.
#include <array>
#include <vector>

#include "charts/CCarteConjonction.h"

namespace zarn {

class CCarteAnimation : public CCarteConjonction {
public:
    static constexpr int kBoxes = 6;
    // Plotting modes: a trajectory point, a body mark, the next position
    // (nothing drawn).
    enum PlotMode { kTrajectoryPoint = 1, kBodyMark = 2, kNextPosition = 4 };
    // What Plot returns for a position outside the chart.
    static constexpr SPoint kOutside{10000, 10000};

    explicit CCarteAnimation(EclipticSky& host);

    // The region shown: its centre and half extents, ecliptic radians.
    void SetRegion(double centreLambda, double centreBeta, double halfWidth, double halfHeight);
    // The chart's rectangle on the screen, in chart units (origin at the centre).
    void SetScreenRect(SRect rect) { m_screenRect = rect; }
    SRect ScreenRect() const { return m_screenRect; }

    bool Project(CAstre& object, double angle, double& x, double& y) const override;
    double GetScale(SRect rect) const override;
    ChartHit HitTest(SPoint point, const CSurface& dc, std::uint32_t flags) const override;

    // The body (body index 0 Sun … 5 Saturne) computed for the date: its
    // screen point, or kOutside when it lies beyond the chart.
    SPoint Plot(CAstre& body, int bodyIndex, int mode);
    // The box of a body: 0 for the reference body, else its body index (the
    // Sun taking the reference's own index).
    int BoxOf(int bodyIndex) const;
    // Forgets the trails, the marks and the placements.
    void ClearTrails();
    std::size_t TrailSize() const { return m_trail.size(); }
    const SRect& Box(int box) const { return m_boxes[static_cast<std::size_t>(box)]; }
    // The latest mark of the reference body on the surface, if any.
    bool ReferenceMark(const CSurface& dc, SPoint& point) const;

    // Whether Draw adds the trails and marks (off for a cached background).
    void SetMovingLayer(bool on) { m_movingLayer = on; }
    // Draws the trails and the marks over the chart on the surface.
    void DrawMoving(CSurface& dc, std::uint32_t flags);

protected:
    void DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags) override;
    void DrawLabels(CSurface& dc, SRect rect, std::uint32_t flags) override;
    void Centre(double& lambda, double& beta) const override;

private:
    struct TrailPoint {
        double lambda;
        double beta;
        CAstre* body;
    };
    struct Mark {
        bool set = false;
        double lambda = 0.0;
        double beta = 0.0;
        CAstre* body = nullptr;
    };

    SPoint ToChart(double lambda, double beta, double scale) const;
    Colour TrailColour(const CSurface& dc, const CAstre& body, std::uint32_t flags) const;

    double m_regionLambda = 0.0;
    double m_regionBeta = 0.0;
    double m_halfWidth = 0.5;
    double m_halfHeight = 0.25;
    SRect m_screenRect{-200, -150, 200, 150};
    std::vector<TrailPoint> m_trail;
    std::array<Mark, kBoxes> m_marks;
    std::array<SRect, kBoxes> m_boxes;
    mutable PlacedObject m_boxHit;
    bool m_movingLayer = true;
    double m_printScale = 0.0;  // of the last printed page
};

// The half size of a body's symbol on the surface (the Sun with its rays).
int symbolRadius(const CAstre& body, const CSurface& dc);

}  // namespace zarn
