// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small sky for the chart tests: objects placed at chosen hour angles and
// declinations (or altitudes and azimuths) for Paris at a fixed instant, and
// a host that records what the charts ask of their owner.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "charts/ChartHost.h"
#include "sky/CAstre.h"
#include "sky/CConstellation.h"
#include "sky/draw/CVueNoms.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace zarn::test {

// A drawn object with a name and magnitude that answers every hit test
// inside its 3 x 3 square.
class TestObject : public CAstre {
public:
    TestObject(std::string name, int magnitude) : m_name(std::move(name)), m_magnitude(magnitude) {}
    std::string GetName() const override { return m_name; }
    int GetMagnitude() const override { return m_magnitude; }
    bool Draw(CSurface& dc, int x, int y, std::uint32_t, CVueNoms*) override
    {
        dc.Ellipse({x - 1, y - 1, x + 2, y + 2});
        return true;
    }
    bool HitTest(SPoint p, int x, int y, const CSurface&, std::uint32_t) const override
    {
        return std::abs(p.x - x) <= 1 && std::abs(p.y - y) <= 1;
    }
    bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t) override
    {
        labels.Set(m_name, {x, y}, 4, 2);
        labels.Commit(dc);
        return true;
    }

private:
    std::string m_name;
    int m_magnitude;
};

class TestSky : public ChartHost {
public:
    TestSky() : instant(23, 9, 1998, 22, 30, 0, CLieu("Paris", -2.33, 48.83 * kRadPerDeg, 1, 1)) {}

    // An object at hour angle H and declination δ (degrees) for this instant.
    TestObject* AddAt(CConstellation& group, double hourAngleDeg, double declinationDeg, const std::string& name = "",
                      int magnitude = 50)
    {
        auto object = std::make_unique<TestObject>(name, magnitude);
        const double alpha = ReduceAngle(instant.siderealTime() - hourAngleDeg * kRadPerDeg, 0.0, kTwoPi);
        object->SetEquatorial(alpha, declinationDeg * kRadPerDeg);
        object->Place(0.0, 1.0, 0.0);
        TestObject* raw = object.get();
        group.append(raw);
        owned.push_back(std::move(object));
        return raw;
    }
    // An object at an altitude and azimuth (degrees, azimuth from the south
    // towards the west), by the spherical triangle of the place.
    TestObject* AddAltAz(CConstellation& group, double altitudeDeg, double azimuthDeg, const std::string& name = "",
                         int magnitude = 50)
    {
        const double phi = instant.place().latitude();
        const double h = altitudeDeg * kRadPerDeg;
        const double a = azimuthDeg * kRadPerDeg;
        const double sinDelta = std::sin(phi) * std::sin(h) - std::cos(phi) * std::cos(h) * std::cos(a);
        const double hourAngle = std::atan2(std::sin(a) * std::cos(h),
                                            std::cos(a) * std::cos(h) * std::sin(phi) + std::sin(h) * std::cos(phi));
        return AddAt(group, hourAngle / kRadPerDeg, std::asin(sinDelta) / kRadPerDeg, name, magnitude);
    }
    CConstellation& NewGroup(const std::string& name)
    {
        groups.push_back(std::make_unique<CConstellation>(name));
        list.push_back(groups.back().get());
        return *groups.back();
    }

    const std::vector<CConstellation*>& Constellations() const override { return list; }
    const std::vector<CAstre*>& OtherObjects() const override { return others; }
    const CInstant& Instant() const override { return instant; }
    CAstre* SelectedObject() const override { return selected; }
    CVueNoms& PrintLabel() override { return printLabel; }
    void ShowLabel(CSurface&, const std::string& text, SPoint at) override
    {
        shownText = text;
        shownAt = at;
    }
    double ScrollFraction() const override { return scrollFraction; }
    void SkyRedrawn() override { ++redrawn; }

    CInstant instant;
    std::vector<std::unique_ptr<CConstellation>> groups;
    std::vector<CConstellation*> list;
    std::vector<std::unique_ptr<CAstre>> owned;
    std::vector<CAstre*> others;
    CAstre* selected = nullptr;
    CVueNoms printLabel{CVueNoms::Kind::Print};
    std::string shownText;
    SPoint shownAt;
    double scrollFraction = 0.0;
    int redrawn = 0;
};

}  // namespace zarn::test
