// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarte.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "charts/ChartHost.h"
#include "sky/CAstre.h"
#include "sky/CConstellation.h"
#include "sky/CPointPlan.h"
#include "sky/DrawFlags.h"
#include "sky/draw/CVueNoms.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace zarn {

namespace {

constexpr double kPreciseRadius = 6.0 * 1.4142135623730951;   // about 8.49 units
constexpr double kNearestRadius = 20.0 * 1.4142135623730951;  // about 28.28 units

// The 11 x 11 square around a placement that must touch the clip for the
// object to be asked to draw.
SRect squareAround(int x, int y) { return {x - 5, y - 5, x + 6, y + 6}; }

}  // namespace

int legibleFontHeight(const CSurface& dc, int height)
{
    if (dc.IsPrinter() || dc.IsSmallScreen())
        return height;
    return std::max(height, 9 * dc.LogicalDpiY() / 72);
}

CCarte::CCarte(ChartHost& host) : m_host(host) {}

CCarte::~CCarte() = default;

void CCarte::RefreshSiderealTime()
{
    const double theta = m_host.Instant().siderealTime();
    m_cosTheta = std::cos(theta);
    m_sinTheta = std::sin(theta);
}

void CCarte::ToHorizontal(const CAstre& object, double& south, double& west, double& up) const
{
    // First the hour angle: rotate the stored equatorial cosines by θ about
    // the polar axis; then tilt by the colatitude about the east-west axis.
    const double p = object.GetX() * m_cosTheta - object.GetY() * m_sinTheta;
    const double q = object.GetX() * m_sinTheta + object.GetY() * m_cosTheta;
    const CLieu& place = m_host.Instant().place();
    const double c = place.sinLatitude();
    const double s = place.cosLatitude();
    south = p * c - object.GetZ() * s;
    west = q;
    up = p * s + object.GetZ() * c;
}

void CCarte::EquatorialToHorizontal(double ra, double dec, double& south, double& west, double& up) const
{
    // The stored cosines of an object: (cos δ cos α, −cos δ sin α, sin δ).
    const double x = std::cos(dec) * std::cos(ra);
    const double y = -std::cos(dec) * std::sin(ra);
    const double p = x * m_cosTheta - y * m_sinTheta;
    const double q = x * m_sinTheta + y * m_cosTheta;
    const CLieu& place = m_host.Instant().place();
    south = p * place.sinLatitude() - std::sin(dec) * place.cosLatitude();
    west = q;
    up = p * place.cosLatitude() + std::sin(dec) * place.sinLatitude();
}

void CCarte::HorizontalToEquatorial(double azimuth, double altitude, double& ra, double& dec) const
{
    const double south = std::cos(altitude) * std::cos(azimuth);
    const double west = std::cos(altitude) * std::sin(azimuth);
    const double up = std::sin(altitude);
    const CLieu& place = m_host.Instant().place();
    const double c = place.sinLatitude();
    const double s = place.cosLatitude();
    // The inverse of the colatitude rotation of ToHorizontal.
    const double p = south * c + up * s;
    const double q = -south * s + up * c;
    dec = std::asin(std::clamp(q, -1.0, 1.0));
    const double hourAngle = std::atan2(west, p);
    ra = ReduceAngle(m_host.Instant().siderealTime() - hourAngle, 0.0, kTwoPi);
}

void CCarte::ChartToSky(double a, double b, double& ra, double& dec) const
{
    HorizontalToEquatorial(a, b, ra, dec);
}

bool CCarte::Project(CAstre& object, double angle, double& x, double& y) const
{
    (void)object;
    (void)angle;
    x = y = 0.0;
    return false;
}

SClip CCarte::CreateClipRegion(SRect rect) const
{
    (void)rect;
    return {};
}

bool CCarte::IsHiddenByGround(SRect rect, int x, int y)
{
    (void)rect;
    (void)x;
    (void)y;
    return false;
}

SPoint CCarte::GetOrigin(const CSurface& dc, SRect rect) const
{
    (void)rect;
    return dc.Origin();
}

double CCarte::GetScale(SRect rect) const
{
    (void)rect;
    return 0.0;
}

void CCarte::ClearScreenPlacements()
{
    m_screenStars.clear();
    m_screenOthers.clear();
    m_screenIndex.clear();
}

void CCarte::ClearPrintPlacements()
{
    m_printStars.clear();
    m_printOthers.clear();
    m_printIndex.clear();
    m_labels.clear();
}

void CCarte::ClearPlacements()
{
    ClearScreenPlacements();
    ClearPrintPlacements();
}

const PlacedObject* CCarte::ScreenPlacementOf(const CAstre* object) const
{
    const auto found = m_screenIndex.find(object);
    return found == m_screenIndex.end() ? nullptr : &found->second;
}

const std::vector<CConstellation*>& CCarte::Constellations() const { return m_host.Constellations(); }

void CCarte::PlaceConstellationStars(double scale, bool forPrint)
{
    RefreshSiderealTime();
    if (!forPrint) {
        ++m_screenGeneration;
        m_screenScale = scale;
    }
    auto& stars = forPrint ? m_printStars : m_screenStars;
    auto& index = forPrint ? m_printIndex : m_screenIndex;
    const auto& constellations = m_host.Constellations();
    const double angle = GetDirectionAngle();
    auto placeOne = [&](const CConstellation& constellation) {
        for (CAstre* star : constellation.objects()) {
            double x = 0.0;
            double y = 0.0;
            if (!star || !Project(*star, angle, x, y))
                continue;
            const PlacedObject placed{roundUnits(scale * x), roundUnits(scale * y), star};
            stars.push_back(placed);
            index[star] = placed;
            if (forPrint) {
                const std::string name = star->GetName();
                if (!name.empty())
                    AddLabel(placed, name);
            }
        }
    };
    // The printer goes through the list backwards.
    if (forPrint) {
        for (auto it = constellations.rbegin(); it != constellations.rend(); ++it)
            placeOne(**it);
    } else {
        for (const CConstellation* constellation : constellations)
            placeOne(*constellation);
    }
}

void CCarte::PlaceObjects(double scale, bool forPrint, int stride)
{
    auto& others = forPrint ? m_printOthers : m_screenOthers;
    const auto& objects = m_host.OtherObjects();
    const double angle = GetDirectionAngle();
    for (std::size_t i = 0; i < objects.size(); i += static_cast<std::size_t>(stride)) {
        CAstre* object = objects[i];
        double x = 0.0;
        double y = 0.0;
        if (object && AcceptsObject(*object) && Project(*object, angle, x, y))
            others.push_back({roundUnits(scale * x), roundUnits(scale * y), object});
    }
}

void CCarte::AddLabel(const PlacedObject& placement, const std::string& name)
{
    for (const PlacedLabel& label : m_labels)
        if (label.name == name)
            return;
    m_labels.push_back({placement.x, placement.y, placement.object, name});
}

void CCarte::Draw(CSurface& dc, SRect rect, std::uint32_t flags)
{
    if (m_offscreen)
        DrawOffscreen(dc, rect, flags);
    else
        DrawSequence(dc, rect, flags);
}

void CCarte::DrawOffscreen(CSurface& dc, SRect rect, std::uint32_t flags)
{
    m_offscreen = 0;
    const SPoint origin = dc.Origin();
    // The image covers the device up to the rectangle's right and bottom edges.
    const SSize size{rect.right + origin.x, rect.bottom + origin.y};
    std::unique_ptr<CSurface> image = dc.CreateOffscreen(size, paletteIndex(kSkyPaletteEntry));
    if (!image) {
        DrawSequence(dc, rect, flags);
        return;
    }
    DrawSequence(*image, rect, flags);
    const SRect adjusted = AdjustRect(rect);
    const SClip region = CreateClipRegion(adjusted);
    dc.Save();
    dc.SetClip(region);
    dc.CopyOffscreen(*image);
    dc.Restore();
    // The block transfer stops at the chart's region; the rim and the labels
    // a round chart draws outside it are drawn again on the window itself.
    if (region.kind == SClip::Ellipse) {
        DrawGround(dc, adjusted);
        DrawDirections(dc, adjusted);
    }
}

void CCarte::DrawSequence(CSurface& dc, SRect rect, std::uint32_t flags)
{
    dc.Save();
    rect = AdjustRect(rect);
    const bool printer = dc.IsPrinter();
    m_smallScreen = dc.ScreenWidth() == 640;

    dc.Save();
    dc.SetBrush(printer ? kWhite : paletteIndex(kSkyPaletteEntry));
    dc.SetPen(printer ? kBlack : paletteIndex(kSkyPaletteEntry), 0);
    dc.ClipNone();
    DrawBackground(dc, rect);
    dc.Restore();

    dc.SetClip(CreateClipRegion(rect));
    const double scale = GetScale(rect);

    if (printer) {
        if (m_printStars.empty()) {
            PlaceConstellationStars(scale, true);
            PlaceBackgroundObjects(scale, true);
        }
        DrawFigures(dc, rect, true, flags);
        DrawGrid(dc, rect, kBlack, kWhite, flags);
        DrawAltitudeScale(dc, rect, kBlack, flags);
        DrawObjects(dc, m_printStars, rect, flags);
        DrawObjects(dc, m_printOthers, rect, flags);
        DrawLabels(dc, rect, flags);
    } else {
        if (m_screenStars.empty()) {
            PlaceConstellationStars(scale, false);
            PlaceBackgroundObjects(scale, false);
        }
        DrawFigures(dc, rect, false, flags);
        DrawGrid(dc, rect, kLightGrey, paletteIndex(kSkyPaletteEntry), flags);
        DrawAltitudeScale(dc, rect, kLightGrey, flags);
        // Stars last, over the rest.
        DrawObjects(dc, m_screenOthers, rect, flags);
        DrawObjects(dc, m_screenStars, rect, flags);
    }
    DrawGround(dc, rect);
    DrawDirections(dc, rect);
    if (printer)
        DrawTitle(dc, rect, std::string(), m_host.PrintLabel().Font());
    dc.Restore();
}

void CCarte::DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags)
{
    (void)rect;
    const Colour ink = dc.IsPrinter() ? kBlack : kWhite;
    dc.SetPen(ink, 0);
    dc.SetBrush(ink);
    DrawEach(dc, list, flags);
}

void CCarte::DrawEach(CSurface& dc, const std::vector<PlacedObject>& list, std::uint32_t flags)
{
    CVueNoms* labels = GetLabelWindow();
    for (const PlacedObject& placed : list)
        if (dc.IsVisible(squareAround(placed.x, placed.y)))
            placed.object->Draw(dc, placed.x, placed.y, flags, labels);
}

void CCarte::DrawLabels(CSurface& dc, SRect rect, std::uint32_t flags)
{
    if (!(flags & draw::kStarNames))
        return;
    CVueNoms* labels = GetLabelWindow();
    if (!labels)
        return;
    for (const PlacedLabel& label : m_labels)
        if (dc.IsVisible(squareAround(label.x, label.y)) && !IsHiddenByGround(rect, label.x, label.y))
            label.object->DrawLabel(dc, label.x, label.y, *labels, flags);
}

void CCarte::DrawBackground(CSurface& dc, SRect rect)
{
    if (dc.IsPrinter())
        dc.Rectangle({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1});
}

void CCarte::DrawFigures(CSurface& dc, SRect rect, bool forPrint, std::uint32_t flags)
{
    if (!(flags & draw::kFigures))
        return;
    dc.Save();
    dc.SetPen(kGrey, forPrint ? 2 : 0);
    const PlacementIndex& index = forPrint ? m_printIndex : m_screenIndex;
    for (const CConstellation* constellation : m_host.Constellations())
        DrawFigure(dc, *constellation, index, rect);
    dc.Restore();
}

void CCarte::DrawFigure(CSurface& dc, const CConstellation& constellation, const PlacementIndex& index, SRect rect)
{
    const auto& stars = constellation.objects();
    std::vector<CSurface::Segment> lines;
    for (const std::uint16_t segment : constellation.figure()) {
        const std::size_t a = segment & 0xFF;
        const std::size_t b = segment >> 8;
        if (a >= stars.size() || b >= stars.size())
            continue;
        const auto first = index.find(stars[a]);
        const auto second = index.find(stars[b]);
        if (first == index.end() || second == index.end())
            continue;
        // A segment as wide as the chart would cross the seam of the panorama.
        if (std::abs(first->second.x - second->second.x) < rect.width())
            lines.push_back({first->second.x, first->second.y, second->second.x, second->second.y});
    }
    dc.Lines(lines);
}

void CCarte::DrawTitle(CSurface& dc, SRect rect, const std::string& text, const SFont& font)
{
    if (!dc.IsPrinter())
        return;
    dc.Save();
    dc.ClipNone();
    dc.SetFont(font);
    dc.SetTextColour(kBlack);
    dc.SetBackground(kWhite, false);
    const int band = 15 * dc.Millimetre().cy;
    dc.TextInBox({rect.left, rect.bottom, rect.right, rect.bottom + band}, text);
    dc.Restore();
}

CVueNoms* CCarte::GetLabelWindow() { return &m_host.PrintLabel(); }

void CCarte::DrawAltitudeScale(CSurface&, SRect, Colour, std::uint32_t) {}

void CCarte::DrawGrid(CSurface&, SRect, Colour, Colour, std::uint32_t) {}

void CCarte::DrawGround(CSurface&, SRect) {}

void CCarte::DrawDirections(CSurface&, SRect) {}

ChartHit CCarte::HitTest(SPoint point, const CSurface& dc, std::uint32_t flags) const
{
    ChartHit hit;
    const PlacedObject* precise = nullptr;
    const PlacedObject* nearest = nullptr;
    double nearestDistance = kNearestRadius;
    const std::size_t stars = m_screenStars.size();
    const std::size_t total = stars + m_screenOthers.size();
    for (std::size_t n = total; n-- > 0;) {
        const PlacedObject& placed = n < stars ? m_screenStars[n] : m_screenOthers[n - stars];
        const double dx = placed.x - point.x;
        const double dy = placed.y - point.y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < kPreciseRadius && placed.object->HitTest(point, placed.x, placed.y, dc, flags)) {
            // The brighter object (smaller magnitude code) wins; on a tie the
            // one examined first stays.
            if (!precise || placed.object->GetMagnitude() < precise->object->GetMagnitude())
                precise = &placed;
        }
        if (d <= nearestDistance && !dynamic_cast<const CPointPlan*>(placed.object)) {
            nearest = &placed;
            nearestDistance = d;
        }
    }
    if (precise) {
        hit.placed = precise;
        hit.name = precise->object->GetName();
        hit.precise = true;
    } else {
        hit.placed = nearest;
    }
    return hit;
}

void CCarte::DrawSelection(CSurface& dc)
{
    if (dc.IsPrinter())
        return;
    const CAstre* selected = m_host.SelectedObject();
    if (!selected)
        return;
    if (const PlacedObject* placed = ScreenPlacementOf(selected))
        m_host.ShowLabel(dc, selected->GetName(), {placed->x, placed->y});
}

}  // namespace zarn
