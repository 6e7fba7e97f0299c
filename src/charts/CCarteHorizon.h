// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The horizon chart: a 360° panorama strip from the horizon up to 60°
// altitude, turned towards one of eight compass directions (or towards an
// object), with the ground along its bottom edge, the direction labels and an
// optional altitude scale.
#include "charts/CCarte.h"
#include "charts/GroundProfile.h"

namespace zarn {

class CCarteHorizon : public CCarte {
public:
    // Direction indices: 0 S, 1 SW, 2 W, 3 NW, 4 N, 5 NE, 6 E, 7 SE.
    static constexpr int kKeepAngle = 8;
    static constexpr int kTowardsSelection = 9;
    static constexpr const char* kDirectionNames[8] = {"S", "SW", "W", "NW", "N", "NE", "E", "SE"};

    explicit CCarteHorizon(ChartHost& host);
    CCarteHorizon(ChartHost& host, int groundSeed);

    void Draw(CSurface& dc, SRect rect, std::uint32_t flags) override;
    bool Project(CAstre& object, double angle, double& x, double& y) const override;
    SClip CreateClipRegion(SRect rect) const override { return {SClip::Rect, rect}; }
    bool IsHiddenByGround(SRect rect, int x, int y) override;
    SPoint GetOrigin(const CSurface& dc, SRect rect) const override;
    double GetScale(SRect rect) const override;
    double GetDirectionAngle() override;
    void ChartToSky(double a, double b, double& ra, double& dec) const override;
    void PlaceBackgroundObjects(double scale, bool forPrint) override { PlaceObjects(scale, forPrint, 1); }
    double ScreenWrap() const override;

    // Turns the chart; returns the change of the direction angle.
    double SetDirection(int index);
    int DirectionIndex() const { return m_directionIndex; }
    double DirectionAngle() const { return m_directionAngle; }
    // Moves the screen placements along the strip (width in chart units) by a
    // change of angle given in eighths of a turn, instead of placing again.
    void ShiftPlacements(double eighths, int stripWidth);
    // Where the altitude-scale axis was drawn (the view repaints a strip
    // around it while scrolling).
    SRect ScaleAxis() const { return m_scaleAxis; }
    // The height of the whole strip for a window (or printed band) that
    // shows the rectangle: the rectangle's own at ×1, magnified else.
    int StripHeight(SRect rect) const;

protected:
    void DrawGround(CSurface& dc, SRect rect) override;
    void DrawDirections(CSurface& dc, SRect rect) override;
    void DrawAltitudeScale(CSurface& dc, SRect rect, Colour colour, std::uint32_t flags) override;
    void DrawTitle(CSurface& dc, SRect rect, const std::string& text, const SFont& font) override;

private:
    void DrawDirectionLabel(CSurface& dc, SPoint at, const char* text, int fontHeight);

    int m_directionIndex = kKeepAngle;
    double m_directionAngle = 0.0;
    GroundProfile m_profile;
    SRect m_scaleAxis;
};

}  // namespace zarn
