// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command identifiers shared by the menus, the view-button bar, the context
// menus and the tests. The numbers are those of the program's resources; the
// commands that toggle a display option have theirs beside the option's table.
#include "settings/OptionCommands.h"

namespace zarn::cmd {

constexpr int WholeSky = 32777;
constexpr int HorizonSouth = 32778;  // + direction index 0..7 (S, SW, W, NW, N, NE, E, SE)
constexpr int HorizonSouthEast = 32785;
constexpr int Zenith = 32787;
constexpr int SummerTime = 32788;
constexpr int Mercure = 32797;  // 32797..32803: Mercure, Vénus, Mars, Jupiter, Saturne, Lune, Soleil
constexpr int Soleil = 32803;
constexpr int PlanetView = 32804;
constexpr int SolarSystem = 32808;
constexpr int Catalogue = 32813;
constexpr int TimeBar = 32819;
constexpr int NewSky = 32821;
constexpr int Conjunction = 32825;
constexpr int Opposition = 32826;
constexpr int Seasons = 32827;
constexpr int ChartOptions = 32833;
constexpr int CurrentDate = 32834;
constexpr int NewDate = 32835;
constexpr int Visibility = 32836;
constexpr int NextDay = 32837;
constexpr int PreviousDay = 32838;
constexpr int Manual = 32840;
constexpr int Animation = 32841;
constexpr int Observatory = 32842;
constexpr int AstroEvents = 32844;
constexpr int HelpIndex = 32845;
constexpr int Tonight = 32846;
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
constexpr int Cascade = 57650;
constexpr int Tile = 57651;
constexpr int About = 57664;
constexpr int Exit = 57665;

// Steps of time in pairs, forward then back: 1 min, 10 min, 1 h, 1 sidereal day.
constexpr int NextMinute = 32900;
constexpr int PreviousSiderealDay = 32907;
constexpr int RealTime = 32908;

constexpr bool isHorizon(int id) { return id >= HorizonSouth && id <= HorizonSouthEast; }
constexpr bool isPlanet(int id) { return id >= Mercure && id <= Soleil; }
constexpr bool isTimeStep(int id) { return id >= NextMinute && id <= PreviousSiderealDay; }

}  // namespace zarn::cmd
