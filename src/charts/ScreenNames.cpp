// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ScreenNames.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include "charts/CCarte.h"
#include "sky/CConstellation.h"
#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/CPlaSol.h"
#include "sky/DrawFlags.h"
#include "sky/draw/CVueNoms.h"
#include "sky/draw/DrawHelpers.h"

namespace zarn {

namespace {

struct Candidate {
    const PlacedObject* placed;
    std::string text;
    int rank;  // bodies first, then stars by brightness
    int radius;
    Colour colour;
};

// An object the chart draws: one above the horizon, or any on a chart of
// the celestial sphere itself.
bool mayBeNamed(const CCarte& chart, const CAstre& object) { return chart.ShowsBelowHorizon() || object.IsUp(); }

bool bodyShown(const CPlaSol& body, std::uint32_t flags)
{
    switch (body.GetIndex()) {
    case kSun: return flags & draw::kSun;
    case kMoon: return flags & draw::kMoon;
    default: return flags & draw::kPlanets;
    }
}

// The named objects of the chart that get a name, the most wanted first.
std::vector<Candidate> candidates(CSurface& dc, const CCarte& chart, const ScreenNameOptions& options, int limit,
                                  std::uint32_t flags, const std::function<bool(int, int)>& hidden)
{
    std::vector<Candidate> list;
    for (const PlacedObject& placed : chart.ScreenStars()) {
        const CAstre* object = placed.object;
        if (!mayBeNamed(chart, *object))
            continue;
        if (const auto* body = dynamic_cast<const CPlaSol*>(object)) {
            if (options.bodies && bodyShown(*body, flags) && !hidden(placed.x, placed.y))
                list.push_back({&placed, body->GetName(), -1000 + body->GetIndex(), object->ScreenRadius(dc),
                                kBodyNameColour});
            continue;
        }
        if (!options.stars || dynamic_cast<const CMessier*>(object) || !dynamic_cast<const CEtoile*>(object))
            continue;
        const int magnitude = object->GetMagnitude();
        if (magnitude > limit || hidden(placed.x, placed.y))
            continue;
        std::string name = object->GetName();
        if (!name.empty())
            list.push_back({&placed, std::move(name), magnitude, object->ScreenRadius(dc), kStarNameColour});
    }
    std::stable_sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
    // A star that two constellations list is named once.
    std::set<std::string> seen;
    std::erase_if(list, [&seen](const Candidate& c) { return !seen.insert(c.text).second; });
    return list;
}

bool isFree(const SRect& box, const std::vector<SRect>& occupied)
{
    return std::none_of(occupied.begin(), occupied.end(), [&](const SRect& taken) { return taken.intersects(box); });
}

bool whollyVisible(const CSurface& dc, const SRect& box, const SRect& shown)
{
    if (!shown.isEmpty()
        && (box.left < shown.left || box.top < shown.top || box.right > shown.right || box.bottom > shown.bottom))
        return false;
    return dc.IsPointVisible(box.left, box.top) && dc.IsPointVisible(box.right - 1, box.top)
           && dc.IsPointVisible(box.left, box.bottom - 1) && dc.IsPointVisible(box.right - 1, box.bottom - 1);
}

// The middle of the placed stars of a constellation, when at least two of
// its stars are on the chart. On the 360° horizon strip a figure may stand
// across its two ends: its stars are taken round to the side of the first.
bool figureMiddle(const CConstellation& constellation, const CCarte& chart, SPoint& middle)
{
    const double wrap = chart.ScreenWrap();
    double sx = 0.0;
    long sy = 0;
    int count = 0;
    int first = 0;
    for (const CAstre* star : constellation.objects()) {
        const PlacedObject* placed = star ? chart.ScreenPlacementOf(star) : nullptr;
        if (!placed || !mayBeNamed(chart, *star))
            continue;
        if (count == 0)
            first = placed->x;
        double dx = placed->x - first;
        if (wrap > 0.0)
            dx -= wrap * std::round(dx / wrap);
        sx += dx;
        sy += placed->y;
        ++count;
    }
    if (count < 2)
        return false;
    double x = first + sx / count;
    if (wrap > 0.0)
        x -= wrap * std::floor(x / wrap);
    middle = {static_cast<int>(x), static_cast<int>(sy / count)};
    return true;
}

}  // namespace

int starNameLimit(const ScreenNameOptions& options, double zoom)
{
    const int limit = std::clamp(options.starLimit, ScreenNameOptions::kMinStarLimit, ScreenNameOptions::kMaxStarLimit);
    const double bonus = zoom > 1.0 ? 10.0 * std::log(zoom) / std::log(2.5) : 0.0;
    return limit + static_cast<int>(std::lround(bonus));
}

void CScreenNames::Place(CSurface& dc, CCarte& chart, const ScreenNameOptions& options, double zoom, const SFont& font,
                         std::uint32_t flags, SRect shown)
{
    // What the landscape of the horizon strip hides is not drawn, and named neither.
    const auto hidden = [&](int x, int y) { return !shown.isEmpty() && chart.IsHiddenByGround(shown, x, y); };
    m_names.clear();
    m_font = font;
    if (!options.any())
        return;
    dc.Save();
    dc.SetFont(font);
    const int leading = dc.FontMetrics().internalLeading;
    const int offset = 2 * dc.Millimetre().cx;
    const std::vector<Candidate> list = candidates(dc, chart, options, starNameLimit(options, zoom), flags, hidden);

    // No name covers a named object's symbol, its own included.
    std::vector<SRect> occupied;
    occupied.reserve(2 * list.size());
    for (const Candidate& c : list)
        occupied.push_back(boxAround(c.placed->x, c.placed->y, c.radius));

    for (const Candidate& c : list) {
        const SPoint anchor{c.placed->x, c.placed->y};
        const SSize extent = dc.TextExtent(c.text);
        const int b = std::max(offset, c.radius + 3);
        // From the right of the point round the eight places.
        const auto& cycle = CVueNoms::kPlacementCycle;
        const std::size_t start = static_cast<std::size_t>(std::find(cycle.begin(), cycle.end(), CVueNoms::kRight) - cycle.begin());
        for (std::size_t n = 0; n < cycle.size(); ++n) {
            const SRect box = CVueNoms::BoxFor(cycle[(start + n) % cycle.size()], anchor, b, extent, leading);
            if (isFree(box, occupied) && whollyVisible(dc, box, shown)) {
                occupied.push_back(box);
                m_names.push_back({c.text, box, c.placed->object, c.colour});
                break;
            }
        }
    }

    if (options.constellations) {
        for (const CConstellation* constellation : chart.Constellations()) {
            SPoint middle;
            if (constellation->abbreviation().empty() || !figureMiddle(*constellation, chart, middle)
                || hidden(middle.x, middle.y))
                continue;
            const SSize extent = dc.TextExtent(constellation->name());
            const SRect box{middle.x - extent.cx / 2, middle.y - extent.cy / 2, middle.x - extent.cx / 2 + extent.cx,
                            middle.y - extent.cy / 2 + extent.cy};
            if (isFree(box, occupied) && whollyVisible(dc, box, shown)) {
                occupied.push_back(box);
                m_names.push_back({constellation->name(), box, nullptr, kConstellationNameColour});
            }
        }
    }
    dc.Restore();
}

void CScreenNames::PlaceIfChanged(CSurface& dc, CCarte& chart, const ScreenNameOptions& options, double zoom,
                                  const SFont& font, std::uint32_t flags, SRect shown)
{
    const Key key{&chart, chart.ScreenGeneration(), options, zoom, font.height, flags, shown};
    if (m_key == key)
        return;
    Place(dc, chart, options, zoom, font, flags, shown);
    m_key = key;
}

void CScreenNames::Draw(CSurface& dc, const CAstre* labelled) const
{
    if (m_names.empty())
        return;
    dc.Save();
    dc.SetFont(m_font);
    dc.SetBackground(paletteIndex(kSkyPaletteEntry), false);
    for (const ScreenName& name : m_names) {
        if (!dc.IsVisible(name.box) || (labelled && name.object == labelled))
            continue;
        dc.SetTextColour(name.colour);
        dc.Text(name.box.left, name.box.top, name.text, kAlignLeft | kAlignTop);
    }
    dc.Restore();
}

}  // namespace zarn
