// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole-sky chart: the sky above the observer in a circle, zenith in the
// middle, horizon at the rim; north up, west to the right (the sky seen lying
// on one's back with the head to the north).
#include "charts/CCarte.h"

namespace zarn {

class CInstant;

class CCarteCiel : public CCarte {
public:
    explicit CCarteCiel(ChartHost& host);

    void Draw(CSurface& dc, SRect rect, std::uint32_t flags) override;
    bool Project(CAstre& object, double angle, double& x, double& y) const override;
    bool ProjectHorizontal(double south, double west, double up, double& x, double& y) const override;
    SClip CreateClipRegion(SRect rect) const override;
    SRect AdjustRect(SRect rect) const override;
    SPoint GetOrigin(const CSurface& dc, SRect rect) const override;
    double GetScale(SRect rect) const override;
    void ChartToSky(double a, double b, double& ra, double& dec) const override;
    void PlaceBackgroundObjects(double scale, bool forPrint) override;

protected:
    void DrawBackground(CSurface& dc, SRect rect) override;
    void DrawGrid(CSurface& dc, SRect rect, Colour text, Colour back, std::uint32_t flags) override;
    void DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags) override;
    // On screen: the horizon circle smoothed over the clip's stepped edge.
    void DrawGround(CSurface& dc, SRect rect) override;
    void DrawDirections(CSurface& dc, SRect rect) override;
    void DrawTitle(CSurface& dc, SRect rect, const std::string& text, const SFont& font) override;
    // Every second background object, every third on a 640-pixel screen.
    virtual int BackgroundStride() const;
    virtual void AfterDraw(CSurface& dc);
};

// The three display texts of the instant, each followed by two blanks: the
// caption under a printed chart.
std::string instantCaption(const CInstant& instant);

}  // namespace zarn
