// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sky of a tool window's ecliptic chart: the document's stars, deep-sky
// objects and reference lines, with the window's own copy of the Sun, Moon
// and planets computed for the window's instant, so that showing an event
// never moves the document's bodies or instant.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "charts/ChartHost.h"
#include "sky/CConstellation.h"
#include "sky/SolarBodies.h"
#include "sky/draw/CVueNoms.h"
#include "time/CInstant.h"

namespace zarn {

class SkyModel;

class EclipticSky : public ChartHost {
public:
    EclipticSky(SkyModel& sky, const CInstant& instant);
    ~EclipticSky() override;

    // The instant of the chart; the window's bodies are computed for it.
    void SetInstant(const CInstant& instant);
    SolarBodies& Bodies() { return m_bodies; }
    SkyModel& Sky() { return m_sky; }

    const std::vector<CConstellation*>& Constellations() const override { return m_groups; }
    const std::vector<CAstre*>& OtherObjects() const override { return m_lines; }
    const CInstant& Instant() const override { return m_instant; }
    CAstre* SelectedObject() const override { return nullptr; }
    CVueNoms& PrintLabel() override { return m_printLabel; }
    void ShowLabel(CSurface& dc, const std::string& text, SPoint at) override;
    double ScrollFraction() const override { return 0.0; }

    // What the window adds: the printed caption, its own drawing step before
    // the printed names, and the screen label of a name.
    std::function<std::string()> caption;
    std::function<void(CSurface&, std::uint32_t)> ownDrawing;
    std::function<void(CSurface&, const std::string&, SPoint)> showLabel;

private:
    SkyModel& m_sky;
    CInstant m_instant;
    SolarBodies m_bodies;
    CConstellation m_planets;
    std::vector<CConstellation*> m_groups;
    std::vector<CAstre*> m_lines;
    CVueNoms m_printLabel{CVueNoms::Kind::Print};
};

}  // namespace zarn
