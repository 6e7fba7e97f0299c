#pragma once
// The three sky charts the document owns (whole sky, zenith, horizon; kinds 0,
// 1 and 2), as the document drives them. The chart classes implement this and
// are made by the factory of WindowKinds.h.
namespace zarn {

class CInstant;
class CAstre;

class SkyCharts {
public:
    virtual ~SkyCharts() = default;
    // The current chart takes the cosine and sine of the new sidereal time.
    virtual void siderealTimeChanged(int kind, const CInstant& instant) = 0;
    // Turns the horizon chart to one of the eight directions (0 S ... 7 SE).
    virtual void turnHorizon(int directionIndex) = 0;
    // Turns the horizon chart towards an azimuth (radians, from the South to the West).
    virtual void turnHorizonTowards(double azimuth) = 0;
    // The horizon chart is redrawn with or without its altitude scale.
    virtual void altitudeScaleChanged() = 0;
    // Recomputes the place of a target on the chart of the given kind.
    virtual void placeTarget(int kind, CAstre& target) = 0;
};

}  // namespace zarn
