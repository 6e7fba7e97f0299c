// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DisplayOptionTable.h"

#include "settings/OptionCommands.h"
#include "sky/DrawFlags.h"

#include <array>

// Each entry names only the fields it has; the others keep their defaults on
// purpose, which this warning of designated initializers would report.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace zarn {
namespace {

using namespace chart_family;
using Z = ZarnSettings;
using T = SkyToggles;
using N = ScreenNameOptions;
using G = SkyGridOptions;

constexpr const char* kCharts = "Cartes";
constexpr unsigned kAllCharts = kSky | kMap | kEclipticCharts;

// Keys that hold several options as bit fields: one byte per sky chart for
// the figures (whole sky in the third byte, zenith in the first, horizon in
// the second), one bit per line for the equator and the ecliptic.
constexpr StoredKey kFigureKey{kCharts, "Contours constellations", 0, 0x00FFFFFF, 0};
constexpr StoredKey kSpecialObjectKey{kCharts, "Objets spéciaux", 0, 3, 3};

// The order is that of the keys in the file and of the boxes in the sheet.
constexpr std::array kOptions{
    DisplayOption{.stored = {kCharts, "Couleur ciel", 0, 0xFFFFFF, 0, StoredKey::FullColour},
                  .inSettings = field<Z, &Z::skyColour>(),
                  .inDocument = field<T, &T::skyColour>(), .box = {SheetBox::Colours}},
    DisplayOption{.stored = {kCharts, "Index couleur ciel", 0, kMaxSkyColourIndex, 0, StoredKey::FullColour},
                  .inSettings = field<Z, &Z::skyColourIndex>(),
                  .inDocument = field<T, &T::skyColourIndex>(), .box = {SheetBox::Colours}},
    DisplayOption{.stored = {kCharts, "Couleur étoiles", 0, 1, 1, StoredKey::FullColour},
                  .inSettings = field<Z, &Z::starColouring>(),
                  .inDocument = field<T, &T::starColouring>(), .box = {SheetBox::Colours},
                  .drawFlag = draw::kOwnColours, .charts = kAllCharts, .medium = DisplayOption::Screen},
    // The figures of each chart; the command toggles those of the chart in front.
    DisplayOption{.command = {cmd::Figures, "&Figure constellations", " Dessiner les figures des constellations", "",
                              OptionCommand::ByDocument}},
    DisplayOption{.stored = kFigureKey, .shift = 16, .mask = 0xFF,
                  .inSettings = field<Z, &Z::figureFlags, 0>(), .inDocument = field<T, &T::figureFlags, 0>()},
    DisplayOption{.stored = kFigureKey, .shift = 0, .mask = 0xFF,
                  .inSettings = field<Z, &Z::figureFlags, 1>(), .inDocument = field<T, &T::figureFlags, 1>()},
    DisplayOption{.stored = kFigureKey, .shift = 8, .mask = 0xFF,
                  .inSettings = field<Z, &Z::figureFlags, 2>(), .inDocument = field<T, &T::figureFlags, 2>()},
    DisplayOption{.inDocument = field<T, &T::showSun>(), .box = {SheetBox::Bodies, "Soleil"},
                  .drawFlag = draw::kSun, .charts = kSky | kMap},
    DisplayOption{.inDocument = field<T, &T::showMoon>(), .box = {SheetBox::Bodies, "Lune"},
                  .drawFlag = draw::kMoon, .charts = kSky | kMap},
    DisplayOption{.inDocument = field<T, &T::showPlanets>(), .box = {SheetBox::Bodies, "Planètes"},
                  .drawFlag = draw::kPlanets, .charts = kSky | kMap},
    DisplayOption{.stored = kSpecialObjectKey, .shift = 1, .mask = 1,
                  .inSettings = field<Z, &Z::showEcliptic>(), .inDocument = field<T, &T::showEcliptic>(),
                  .box = {SheetBox::Planes, "&Ecliptique"}, .drawFlag = draw::kEcliptic, .charts = kSky | kMap},
    DisplayOption{.stored = kSpecialObjectKey, .shift = 0, .mask = 1,
                  .inSettings = field<Z, &Z::showEquator>(), .inDocument = field<T, &T::showEquator>(),
                  .box = {SheetBox::Planes, "E&quateur"}, .drawFlag = draw::kEquator, .charts = kSky | kMap},
    DisplayOption{.stored = {kCharts, "Noms astres écran", 0, 1, 1},
                  .inSettings = field<Z, &Z::screenBodyNames>(),
                  .inDocument = field<T, &T::names, &N::bodies>(),
                  .box = {SheetBox::Names, "&Soleil, Lune et planètes"}},
    DisplayOption{.stored = {kCharts, "Noms étoiles écran", 0, 1, 0},
                  .inSettings = field<Z, &Z::screenStarNames>(),
                  .inDocument = field<T, &T::names, &N::stars>(),
                  .box = {SheetBox::Names, "É&toiles jusqu'à la magnitude"}},
    // Tenths of magnitude; the sheet's slider sets it.
    DisplayOption{.stored = {kCharts, "Magnitude noms écran", N::kMinStarLimit, N::kMaxStarLimit, 25},
                  .inSettings = field<Z, &Z::screenStarLimit>(),
                  .inDocument = field<T, &T::names, &N::starLimit>(), .box = {SheetBox::Names}},
    DisplayOption{.stored = {kCharts, "Noms constellations écran", 0, 1, 0},
                  .inSettings = field<Z, &Z::screenConstellationNames>(),
                  .inDocument = field<T, &T::names, &N::constellations>(),
                  .box = {SheetBox::Names, "&Constellations"}},
    DisplayOption{.stored = {kCharts, "Grille horizontale écran", 0, 1, 0},
                  .inSettings = field<Z, &Z::horizontalGrid>(),
                  .inDocument = field<T, &T::grid, &G::horizontal>(),
                  .box = {SheetBox::Grids, "&Hauteur et azimut"}, .drawFlag = draw::kHorizontalGrid, .charts = kSky},
    DisplayOption{.stored = {kCharts, "Grille équatoriale écran", 0, 1, 0},
                  .inSettings = field<Z, &Z::equatorialGrid>(),
                  .inDocument = field<T, &T::grid, &G::equatorial>(),
                  .box = {SheetBox::Grids, "&Ascension droite et déclinaison"}, .drawFlag = draw::kEquatorialGrid,
                  .charts = kSky},
    // Red on black on the screen, never on paper.
    DisplayOption{.stored = {kCharts, "Mode nuit", 0, 1, 0, StoredKey::OnceUsed},
                  .inSettings = field<Z, &Z::nightMode>(),
                  .inDocument = field<T, &T::nightMode>(),
                  .command = {cmd::NightMode, "Mode n&uit", " Rouge sur noir pour garder la vue de nuit",
                              "Ctrl+Shift+N"}},
    // The print preview's own button sets it; the menu shows the choice.
    DisplayOption{.stored = {"Impression", "Nom étoiles", 0, 1, 1},
                  .inSettings = field<Z, &Z::printStarNames>(),
                  .inDocument = field<T, &T::printStarNames>(),
                  .command = {cmd::MarkStarNames, "&Marquer noms étoiles", " Noms des étoiles sur la carte imprimée",
                              "", OptionCommand::ByDocument},
                  .drawFlag = draw::kStarNames, .charts = kAllCharts, .medium = DisplayOption::Paper},
    // The horizon chart's scale of altitudes.
    DisplayOption{.inDocument = field<T, &T::altitudeScale>(),
                  .command = {cmd::AltitudeScale, "&Echelle des hauteurs", " Echelle des hauteurs sur l'horizon", "",
                              OptionCommand::ByDocument},
                  .drawFlag = draw::kAltitudeScale, .charts = kSky},
    // The constellation map's grid of right ascension and declination.
    DisplayOption{.inDocument = field<T, &T::coordinateGrid>(),
                  .command = {cmd::Grid, "&Grille des coordonnées", " Grille des coordonnées de la constellation", "",
                              OptionCommand::ByDocument},
                  .drawFlag = draw::kGrid, .charts = kMap},
};

}  // namespace

std::span<const DisplayOption> displayOptions() { return kOptions; }

const DisplayOption* optionOfCommand(int commandId)
{
    for (const DisplayOption& o : kOptions)
        if (o.command.id != 0 && o.command.id == commandId)
            return &o;
    return nullptr;
}

std::uint32_t optionDrawFlags(const SkyToggles& toggles, unsigned family, bool printing)
{
    std::uint32_t flags = 0;
    for (const DisplayOption& o : kOptions) {
        if (!o.drawFlag || !(o.charts & family) || !o.inDocument.get(toggles))
            continue;
        if ((o.medium == DisplayOption::Screen && printing) || (o.medium == DisplayOption::Paper && !printing))
            continue;
        flags |= o.drawFlag;
    }
    return flags;
}

void takeStoredOptions(const ZarnSettings& settings, SkyToggles& toggles)
{
    for (const DisplayOption& o : kOptions)
        if (o.inSettings && o.inDocument)
            o.inDocument.set(toggles, o.inSettings.get(settings));
}

void giveStoredOptions(const SkyToggles& toggles, ZarnSettings& settings)
{
    for (const DisplayOption& o : kOptions)
        if (o.inSettings && o.inDocument)
            o.inSettings.set(settings, o.inDocument.get(toggles));
}

void takeSheetOptions(const SkyToggles& sheet, SkyToggles& document)
{
    for (const DisplayOption& o : kOptions)
        if (o.box.group != SheetBox::None && o.inDocument)
            o.inDocument.set(document, o.inDocument.get(sheet));
}

}  // namespace zarn
