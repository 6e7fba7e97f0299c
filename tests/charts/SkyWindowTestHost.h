// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real sky of the catalogue for Paris on 23 September 1998 at 22.30, with
// the three charts and a sky window host that records what the window asks.
#include <QAction>
#include <map>
#include <memory>
#include <string>

#include "charts/ui/SkyChartSet.h"
#include "charts/SkyViewHost.h"
#include "ui/CProgramPalette.h"
#include "sky/CAstre.h"
#include "sky/CEtoile.h"
#include "sky/CPlaSol.h"
#include "sky/SkyModel.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace zarn::test {

class SkyWindowTestHost : public SkyViewHost {
public:
    SkyWindowTestHost()
        : instant(23, 9, 1998, 22, 30, 0, CLieu("Paris", -2.33, 48.83 * kRadPerDeg, 1, 1))
    {
        loaded = sky.load(ZARN_DATA_DIR, instant).ok();
        charts = std::make_unique<SkyChartSet>(sky, instant);
        display.starColouring = 0;
        display.figureFlags = {1, 1, 1, 1, 1, 0};
    }

    CAstre* Named(const std::string& name) const
    {
        const auto found = sky.ciel().names().find(name);
        return found == sky.ciel().names().end() ? nullptr : static_cast<CAstre*>(found->second);
    }

    CCarte& CurrentChart() override { return charts->Chart(kind); }
    CCarteHorizon& HorizonChart() override { return charts->Horizon(); }
    SkyDisplay Display() const override { return display; }
    void SetPrintStarNames(bool on) override { display.printStarNames = on; }
    const CInstant& Instant() const override { return instant; }
    PaletteColours Palette() const override
    {
        PaletteColours colours;
        for (int i = 0; i < kPaletteSize; ++i)
            colours[static_cast<std::size_t>(i)] = palette.color(i);
        return colours;
    }
    CAstre* SelectedObject() const override { return selected; }
    void RecomputeSky() override
    {
        sky.recomputeAll(instant);
        charts->ClearPlacements();
        ++recomputed;
    }
    void SetStripWidth(int width) override { stripWidth = width; }
    void ShowInstant(const std::string& place, const std::string& date, const std::string& time) override
    {
        status = place + "|" + date + "|" + time;
    }
    void StarClicked(const std::string& constellation, double ra, double dec) override
    {
        clicked = constellation;
        clickedRa = ra;
        clickedDec = dec;
    }
    std::string ConstellationOf(const CAstre& object) const override { return object.GetConstellationName(sky); }
    QAction* Action(int) const override { return nullptr; }
    ObjectDescription Describe(CAstre& object) override
    {
        const auto* body = dynamic_cast<const CPlaSol*>(&object);
        return describeObject(object, body ? body->GetIndex() : -1, instant, sky);
    }
    void ClearSelection() override
    {
        selected = nullptr;
        charts->SetSelected(nullptr);
    }
    void StripScrolled() override { ++scrolled; }

    CInstant instant;
    SkyModel sky;
    bool loaded = false;
    std::unique_ptr<SkyChartSet> charts;
    CProgramPalette palette;
    SkyDisplay display;
    int kind = 0;
    CAstre* selected = nullptr;
    int recomputed = 0;
    int stripWidth = 0;
    int scrolled = 0;
    std::string status;
    std::string clicked;
    double clickedRa = 0.0;
    double clickedDec = 0.0;
};

}  // namespace zarn::test
