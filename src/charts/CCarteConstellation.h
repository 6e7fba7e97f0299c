// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The map of one constellation: a stereographic projection centred on the
// constellation's centre, magnified, north up and east to the left as on the
// round charts, with its figure highlighted and an optional equatorial grid.
//
// Every constellation of the sky is placed (the neighbours fill the edges of
// the map); only the shown one is drawn in the highlight colour.
#include "charts/CCarte.h"

namespace zarn {

class CCarteConstellation : public CCarte {
public:
    // Magnification: the map's height spans 1/3.17 of the normalised
    // stereographic plane (about 35° of sky); the long Hydre gets 2.5.
    static constexpr double kMagnification = 3.17;
    static constexpr double kHydraMagnification = 2.5;

    explicit CCarteConstellation(ChartHost& host);

    // The constellation shown and the centre of the map, taken from its record
    // (whole degrees of right ascension and declination). Null shows nothing
    // highlighted and centres on α = δ = 0.
    void SetConstellation(const CConstellation* constellation);
    const CConstellation* Constellation() const { return m_constellation; }
    double CentreRA() const { return m_centreRA; }

    void Draw(CSurface& dc, SRect rect, std::uint32_t flags) override;
    bool Project(CAstre& object, double angle, double& x, double& y) const override;
    SClip CreateClipRegion(SRect rect) const override { return {SClip::Rect, rect}; }
    SPoint GetOrigin(const CSurface& dc, SRect rect) const override;
    double GetScale(SRect rect) const override;
    bool ShowsBelowHorizon() const override { return true; }
    // How much larger the map draws the sky than the whole-sky chart of the
    // same height: the zoom its screen names are chosen for.
    double Magnification() const;
    void PlaceBackgroundObjects(double scale, bool forPrint) override { PlaceObjects(scale, forPrint, 1); }

    // Stereographic projection of a direction (the equatorial unit vector
    // u = cos δ cos α, v = −cos δ sin α, w = sin δ) in normalised units;
    // true when the point lies within 90° of the centre. The point opposite
    // the centre goes to (±10000, ±10000).
    bool ProjectDirection(double u, double v, double w, double& x, double& y) const;
    // Where an object, or a position (radians), lands in chart units for a
    // map drawn in the rectangle (origin at its centre).
    SPoint PlaceAt(const CAstre& object, SRect rect) const;
    SPoint PlaceAt(double ra, double dec, SRect rect) const;

    // A small picture of one constellation for the chart options: its stars
    // at their places (scale in chart units per normalised unit, logical
    // (0, 0) at the centre, so the caller sets the surface's origin), then the
    // reference-line points. No figure, grid or title. The chart's screen
    // placements are replaced by those of the picture.
    void DrawPreview(CSurface& dc, std::uint32_t flags, double scale, const CConstellation& constellation);

    // The label window the objects draw their names with: the print label of
    // the constellations window; none without that window.
    void SetLabelWindow(CVueNoms* labels) { m_labelWindow = labels; }
    // The font of the grid labels on screen (the sky window's name font).
    void SetScreenFont(const SFont& font) { m_screenFont = font; }

protected:
    void DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags) override;
    void DrawFigure(CSurface& dc, const CConstellation& constellation, const PlacementIndex& index, SRect rect) override;
    void DrawGrid(CSurface& dc, SRect rect, Colour text, Colour back, std::uint32_t flags) override;
    CVueNoms* GetLabelWindow() override { return m_labelWindow; }

private:
    bool IsHighlighted(const CConstellation& drawn) const;
    // A polyline of the grid through positions (degrees); a segment is drawn
    // only when one of its ends is inside the clip.
    void GridLine(CSurface& dc, SRect rect, double raFrom, double decFrom, double raStep, double decStep, int count);
    void DrawGridLabels(CSurface& dc, SRect rect);
    void GridLabel(CSurface& dc, SPoint at, const std::string& text, bool whole);

    double m_centreRA = 0.0;
    double m_cosCentreRA = 1.0;
    double m_sinCentreRA = 0.0;
    double m_cosCentreDec = 1.0;
    double m_sinCentreDec = 0.0;
    const CConstellation* m_constellation = nullptr;
    CVueNoms* m_labelWindow = nullptr;
    SFont m_screenFont;
};

}  // namespace zarn
