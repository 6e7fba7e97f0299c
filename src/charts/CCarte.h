// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The abstract sky chart: projects sky objects to points of a page, caches the
// placements per target (screen, printer) until the sky changes, and draws
// every layer into a drawing surface. Subclasses give the projection, scale,
// shape and extra layers.
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "sky/CSurface.h"

namespace zarn {

class CAstre;
class CConstellation;
class CVueNoms;
class ChartHost;

struct PlacedObject {
    int x = 0;
    int y = 0;
    CAstre* object = nullptr;
};

struct PlacedLabel {
    int x = 0;
    int y = 0;
    CAstre* object = nullptr;
    std::string name;
};

// What HitTest found: the placement (or none), and the name when the object's
// own symbol was hit.
struct ChartHit {
    const PlacedObject* placed = nullptr;
    std::string name;
    bool precise = false;
};

// Rounding of chart units: add 0.5 and take the integer below, so that points
// symmetric about the origin land symmetrically (the north point at −w/2 as
// the south point at +w/2).
inline int roundUnits(double v) { return static_cast<int>(std::floor(v + 0.5)); }

class CCarte {
public:
    enum Kind { WholeSky = 0, Zenith = 1, Horizon = 2, Conjunction = 5, Unset = -1 };
    using PlacementIndex = std::unordered_map<const CAstre*, PlacedObject>;

    explicit CCarte(ChartHost& host);
    virtual ~CCarte();
    CCarte(const CCarte&) = delete;
    CCarte& operator=(const CCarte&) = delete;

    int kind() const { return m_kind; }

    virtual void Draw(CSurface& dc, SRect rect, std::uint32_t flags);
    virtual ChartHit HitTest(SPoint point, const CSurface& dc, std::uint32_t flags) const;
    virtual void ClearPlacements();
    void ClearScreenPlacements();
    void ClearPrintPlacements();
    virtual bool Project(CAstre& object, double angle, double& x, double& y) const;
    virtual SClip CreateClipRegion(SRect rect) const;
    virtual bool IsHiddenByGround(SRect rect, int x, int y);
    virtual SRect AdjustRect(SRect rect) const { return rect; }
    virtual SPoint GetOrigin(const CSurface& dc, SRect rect) const;
    virtual double GetScale(SRect rect) const;
    virtual double GetDirectionAngle() { return 0.0; }
    // Whether the chart draws the objects below the horizon too (a map of
    // the celestial sphere rather than of the local sky).
    virtual bool ShowsBelowHorizon() const { return false; }
    virtual void DrawSelection(CSurface& dc);
    // Altitude and azimuth (from the south towards the west) of a point of the
    // chart given in normalised units, turned into right ascension and
    // declination for the current instant.
    virtual void ChartToSky(double a, double b, double& ra, double& dec) const;
    void HorizontalToEquatorial(double azimuth, double altitude, double& ra, double& dec) const;
    // A right ascension and declination as a horizontal direction (south,
    // west, zenith) at the sidereal time of the last placement.
    void EquatorialToHorizontal(double ra, double dec, double& south, double& west, double& up) const;
    // The chart point, in units of the scale, of a horizontal direction; false
    // where the chart does not show it (the coordinate grids).
    virtual bool ProjectHorizontal(double south, double west, double up, double& x, double& y) const
    {
        (void)south, (void)west, (void)up;
        x = y = 0.0;
        return false;
    }

    void SetOffscreen() { m_offscreen = 1; }
    void CancelOffscreen() { m_offscreen = 0; }
    bool Offscreen() const { return m_offscreen != 0; }
    // Takes the cosine and sine of the current instant's sidereal time.
    void RefreshSiderealTime();

    const std::vector<PlacedObject>& ScreenStars() const { return m_screenStars; }
    const std::vector<PlacedObject>& ScreenOthers() const { return m_screenOthers; }
    const std::vector<PlacedObject>& PrintStars() const { return m_printStars; }
    const std::vector<PlacedObject>& PrintOthers() const { return m_printOthers; }
    const std::vector<PlacedLabel>& Labels() const { return m_labels; }
    const PlacementIndex& ScreenIndex() const { return m_screenIndex; }
    const PlacementIndex& PrintIndex() const { return m_printIndex; }
    // Where the object stands on the screen, when it is a placed constellation star.
    const PlacedObject* ScreenPlacementOf(const CAstre* object) const;
    // Counts the times the screen placements were made: what is derived
    // from them (the screen names) is made again when it changes.
    unsigned ScreenGeneration() const { return m_screenGeneration; }
    // The scale the screen placements were last made at.
    double ScreenScale() const { return m_screenScale; }
    // The width after which the screen placements come round again (the
    // panorama's 360°), or 0 for a chart that does not.
    virtual double ScreenWrap() const { return 0.0; }
    const std::vector<CConstellation*>& Constellations() const;

    // The placing passes (public for the document and the tests).
    virtual void PlaceConstellationStars(double scale, bool forPrint);
    virtual void PlaceBackgroundObjects(double scale, bool forPrint) { (void)scale; (void)forPrint; }
    void AddLabel(const PlacedObject& placement, const std::string& name);

protected:
    void DrawSequence(CSurface& dc, SRect rect, std::uint32_t flags);
    void DrawOffscreen(CSurface& dc, SRect rect, std::uint32_t flags);
    void PlaceObjects(double scale, bool forPrint, int stride);
    // Asks each placed object whose 11 x 11 square touches the clip to draw
    // itself, with the pen and brush already selected.
    void DrawEach(CSurface& dc, const std::vector<PlacedObject>& list, std::uint32_t flags);

    virtual void DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags);
    virtual void DrawLabels(CSurface& dc, SRect rect, std::uint32_t flags);
    virtual void DrawBackground(CSurface& dc, SRect rect);
    virtual void DrawFigures(CSurface& dc, SRect rect, bool forPrint, std::uint32_t flags);
    virtual void DrawFigure(CSurface& dc, const CConstellation& constellation, const PlacementIndex& index, SRect rect);
    virtual void DrawTitle(CSurface& dc, SRect rect, const std::string& text, const SFont& font);
    virtual CVueNoms* GetLabelWindow();
    virtual void DrawAltitudeScale(CSurface& dc, SRect rect, Colour colour, std::uint32_t flags);
    virtual void DrawGrid(CSurface& dc, SRect rect, Colour text, Colour back, std::uint32_t flags);
    virtual void DrawGround(CSurface& dc, SRect rect);
    virtual void DrawDirections(CSurface& dc, SRect rect);
    virtual bool AcceptsObject(const CAstre& object) const { (void)object; return true; }
    // Rotates an equatorial direction vector into the horizontal frame
    // (south, west, zenith) of the current instant and place.
    void ToHorizontal(const CAstre& object, double& south, double& west, double& up) const;

    ChartHost& m_host;
    int m_kind = Unset;
    std::vector<PlacedObject> m_screenStars;
    std::vector<PlacedObject> m_printStars;
    std::vector<PlacedObject> m_printOthers;
    std::vector<PlacedObject> m_screenOthers;
    std::vector<PlacedLabel> m_labels;
    PlacementIndex m_screenIndex;
    PlacementIndex m_printIndex;
    int m_offscreen = 0;
    unsigned m_screenGeneration = 0;
    double m_screenScale = 0.0;
    bool m_smallScreen = false;  // the screen is 640 pixels wide (thinner lists)
    double m_cosTheta = 1.0;
    double m_sinTheta = 0.0;
};

// A screen font's character height made legible: at least 9 points (12
// pixels at 96 dots per inch), except on a 640-pixel screen, whose small
// fonts are kept.
int legibleFontHeight(const CSurface& dc, int height);

}  // namespace zarn
