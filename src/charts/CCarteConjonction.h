// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of the conjunction window: the stars and bodies around a
// reference planet in ecliptic coordinates, the planet at the centre, east to
// the left and north up. Only the band within 40° of the ecliptic is shown.
#include "charts/CCarte.h"

namespace zarn {

class EclipticSky;

class CCarteConjonction : public CCarte {
public:
    CCarteConjonction(EclipticSky& host, double scale);

    bool Project(CAstre& object, double angle, double& x, double& y) const override;
    double GetScale(SRect rect) const override;
    SPoint GetOrigin(const CSurface& dc, SRect rect) const override;
    SClip CreateClipRegion(SRect rect) const override;
    void PlaceConstellationStars(double scale, bool forPrint) override;
    void PlaceBackgroundObjects(double scale, bool forPrint) override;

    void SetReference(CAstre* planet) { m_reference = planet; }
    CAstre* Reference() const { return m_reference; }
    // New chart units per radian (0 keeps the scale); returns the previous one.
    double Zoom(double newScale);
    double PreviousScale() const { return m_previousScale; }

    // Ecliptic longitude and latitude of an object for the chart's instant,
    // from its right ascension and declination.
    void Ecliptic(const CAstre& object, double& lambda, double& beta) const;

protected:
    void DrawBackground(CSurface& dc, SRect rect) override;
    void DrawLabels(CSurface& dc, SRect rect, std::uint32_t flags) override;
    void DrawTitle(CSurface& dc, SRect rect, const std::string& text, const SFont& font) override;
    bool AcceptsObject(const CAstre& object) const override;
    // The ecliptic point the chart is centred on.
    virtual void Centre(double& lambda, double& beta) const;

    EclipticSky& m_sky;
    double m_scale;
    double m_previousScale;
    CAstre* m_reference = nullptr;
    // The centre of the last placing pass, fixed for that pass.
    double m_centreLambda = 0.0;
    double m_centreBeta = 0.0;
};

// A longitude difference reduced into [−π, π).
double longitudeOffset(double difference);

}  // namespace zarn
