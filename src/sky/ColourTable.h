// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every named colour of the program, in one table: the program palette that
// the charts name by index, the colours of the chart layers, of the bodies, of
// the tool windows and of night mode. Plain values (sky/Colour.h), so the
// objects' drawing and the Qt windows read the same entries; night mode turns
// whatever is drawn into reds as it is shown, and its own reds are here too.
#include <array>

#include "sky/Colour.h"

namespace zarn {

constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kGrey = rgb(128, 128, 128);
constexpr Colour kLightGrey = rgb(192, 192, 192);
constexpr Colour kYellow = rgb(255, 255, 0);
constexpr Colour kRed = rgb(255, 0, 0);

// ---- The program palette -------------------------------------------------
// Eighteen entries. Entries 1 to 11 run from blue-white to red: the star
// colours by colour index (a star's colour index is its entry). The sky entry
// is the only one the user changes.
constexpr int kPaletteSize = 18;
constexpr int kFirstStarPaletteEntry = 1;
constexpr int kGroundPaletteEntry = 14;     // the ground of the horizon chart
constexpr int kSkyPaletteEntry = 15;        // the sky, black until the user chooses
constexpr int kGridPaletteEntry = 16;       // the horizontal grid
constexpr int kHighlightPaletteEntry = 17;  // the highlighted figure, the body names, the chosen mark

constexpr std::array<Colour, kPaletteSize> kProgramPalette = {
    kWhite,           rgb(80, 192, 232),  rgb(112, 232, 232), rgb(180, 232, 208), rgb(204, 212, 168),
    rgb(180, 220, 144), rgb(220, 228, 156), rgb(208, 172, 12),  rgb(244, 164, 64),  rgb(236, 136, 28),
    rgb(224, 116, 24),  rgb(224, 54, 24),   kBlack,             kBlack,             rgb(60, 60, 60),
    kBlack,           rgb(110, 100, 110), rgb(244, 164, 120),
};

// ---- Chart layers --------------------------------------------------------
constexpr Colour kEclipticColour = kYellow;
constexpr Colour kEquatorColour = kWhite;
constexpr Colour kHorizontalGridColour = paletteIndex(kGridPaletteEntry);
constexpr Colour kEquatorialGridColour = rgb(60, 110, 150);
constexpr Colour kBodyNameColour = paletteIndex(kHighlightPaletteEntry);
constexpr Colour kStarNameColour = kLightGrey;
constexpr Colour kConstellationNameColour = rgb(140, 160, 205);
constexpr Colour kChosenMarkColour = paletteIndex(kHighlightPaletteEntry);
constexpr Colour kHighlightedFigureColour = paletteIndex(kHighlightPaletteEntry);
// Mars's own colour is too dark on the night sky: its animation trail is red.
constexpr Colour kMarsTrailColour = kRed;
constexpr Colour kPanelFrameColour = kLightGrey;  // the outer line of a chart panel's sunken frame

// ---- The bodies, by body index (0 Soleil, 1 Mercure ... 5 Saturne, 6 Lune) --
// On the charts: the Sun and the Moon their own yellows, each planet the star
// colour it looks like to the eye.
constexpr std::array<Colour, 7> kBodyChartColours = {
    rgb(255, 220, 0),  paletteIndex(8), paletteIndex(0), paletteIndex(11),
    paletteIndex(6),   paletteIndex(2), kYellow,
};
// In the small pictures of the windows, roughly as a small telescope shows them.
constexpr std::array<Colour, 7> kBodyPictureColours = {
    rgb(255, 200, 0),   rgb(170, 160, 150), rgb(245, 235, 200), rgb(215, 95, 50),
    rgb(225, 190, 150), rgb(220, 200, 130), rgb(225, 225, 215),
};
constexpr Colour kPictureOutlineColour = rgb(60, 60, 60);
constexpr Colour kJupiterBandColour = rgb(170, 120, 80);
constexpr Colour kSaturnRingColour = rgb(150, 130, 80);
constexpr Colour kMoonShadowColour = rgb(90, 90, 100);
constexpr Colour kSunRayColour = rgb(240, 150, 0);

// ---- Windows -------------------------------------------------------------
constexpr Colour kWorkAreaColour = rgb(231, 234, 239);       // behind the child windows
constexpr Colour kStartupTitleColour = rgb(254, 194, 0);     // the title over the start-up picture
// The titles' orange stands on the night blue of the program: on a light grey
// it could not be read. The same blue is the astronomical twilight.
constexpr Colour kNightBlue = rgb(30, 35, 70);
constexpr Colour kBoxTitleColour = rgb(244, 200, 100);
constexpr Colour kEtchedLightColour = kWhite;                // the two lines of an etched frame
constexpr Colour kEtchedDarkColour = rgb(150, 150, 150);
constexpr Colour kAstronomicalTwilightColour = kNightBlue;
constexpr Colour kNauticalTwilightColour = rgb(35, 70, 105);
constexpr Colour kCivilTwilightColour = rgb(100, 150, 190);
constexpr Colour kMoonLitColour = kYellow;                   // the lit part of a Moon picture
constexpr Colour kMoonDarkColour = rgb(90, 90, 90);
constexpr Colour kMoonRimColour = rgb(150, 150, 150);
constexpr Colour kAlmanacPaperColour = rgb(227, 227, 227);
constexpr Colour kDayBarColour = rgb(96, 96, 96);            // a planet's row by day (ephemerides)
constexpr Colour kMidnightLightColour = rgb(224, 228, 232);  // the two lines of midnight across the rows
constexpr Colour kMidnightDarkColour = rgb(112, 136, 144);
constexpr Colour kTimeCursorColour = kRed;                   // the chosen hour across the rows
constexpr Colour kClockRimColour = rgb(40, 40, 40);
constexpr Colour kClockFaceColour = rgb(250, 250, 235);

// ---- Night mode: the reds of the windows -----------------------------------
constexpr Colour kNightTextColour = rgb(220, 0, 0);
constexpr Colour kNightBrightColour = kRed;            // selected text, links
constexpr Colour kNightDimTextColour = rgb(120, 0, 0);  // disabled text, visited links
constexpr Colour kNightHighlightColour = rgb(110, 0, 0);
constexpr Colour kNightLightColour = rgb(90, 0, 0);     // the bevels, lightest to darkest
constexpr Colour kNightFrameColour = rgb(64, 0, 0);     // frames and separators of menus
constexpr Colour kNightMidlightColour = rgb(60, 0, 0);
constexpr Colour kNightMidColour = rgb(50, 0, 0);
constexpr Colour kNightButtonColour = rgb(40, 0, 0);    // buttons, fields' alternate rows, tooltips
constexpr Colour kNightDarkColour = rgb(30, 0, 0);

}  // namespace zarn
