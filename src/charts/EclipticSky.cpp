// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/EclipticSky.h"

#include "sky/CPointPlan.h"
#include "sky/SkyModel.h"

namespace zarn {

EclipticSky::EclipticSky(SkyModel& sky, const CInstant& instant)
    : m_sky(sky), m_instant(instant), m_bodies(sky.bodies()), m_planets(kPlanets)
{
    m_bodies.setSky(&sky);
    // The document's groups but its bodies and zenith marker, which belong to
    // the document's instant and place; the window's own bodies instead.
    for (CConstellation* group : sky.ciel().constellations())
        if (group->name() != kPlanets && group->name() != kZenith)
            m_groups.push_back(group);
    for (int i = 0; i <= kMoon; ++i)
        m_planets.append(&m_bodies.body(i));
    m_groups.push_back(&m_planets);
    m_lines.assign(sky.referenceLines().begin(), sky.referenceLines().end());
    m_printLabel.SetLabelCodes(&sky.labels());
    SetInstant(instant);
}

EclipticSky::~EclipticSky() = default;

void EclipticSky::SetInstant(const CInstant& instant)
{
    m_instant = instant;
    m_bodies.computeAll(m_instant);
}

void EclipticSky::ShowLabel(CSurface& dc, const std::string& text, SPoint at)
{
    if (showLabel)
        showLabel(dc, text, at);
}

}  // namespace zarn
