// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One descriptor per display option of the charts: where ZARN.INI keeps it,
// its range and default, the command that toggles it, its check box in the
// chart options sheet and the display bit it gives the drawing. The settings
// file, the document's copy of the settings, the actions and their checked
// states, the sheet's boxes and the draw flags are all made from this table,
// so a new option is one entry here and its drawing.
#include <cstdint>
#include <span>

#include "settings/IntField.h"
#include "settings/SkyToggles.h"
#include "settings/ZarnSettings.h"

namespace zarn {

// Where ZARN.INI keeps a value. Several options may share one key as bit
// fields; the range and default are then those of the whole key.
struct StoredKey {
    enum Rule {
        Always,
        FullColour,  // not written from a 16-colour display, which cannot show the choice
        OnceUsed,    // a key of this program's own: absent until first turned on
    };
    const char* section = nullptr;  // nullptr: not kept from one session to the next
    const char* key = nullptr;
    int lo = 0;
    int hi = 1;
    int fallback = 0;  // for a missing or unreadable value
    Rule rule = Always;
};

// The menu command that toggles an option.
struct OptionCommand {
    int id = 0;  // 0: the option has no command of its own
    const char* text = "";      // UTF-8 menu text with "&" before the mnemonic
    const char* prompt = "";    // status-bar text
    const char* shortcut = "";  // QKeySequence texts separated by "; "
    // Plain: the command flips the value, always enabled, checked while on.
    // ByDocument: the document decides what it flips and when it applies.
    enum Toggle { Plain, ByDocument } toggle = Plain;
};

// Where the chart options sheet shows an option: a check box in one of its
// groups, or (without a text) a control of the page's own.
struct SheetBox {
    enum Group { None, Colours, Bodies, Planes, Names, Grids } group = None;
    const char* text = "";  // UTF-8, with "&" before the mnemonic
};

// The charts an option's display bit concerns.
namespace chart_family {
constexpr unsigned kSky = 1;             // whole sky, zenith and horizon charts
constexpr unsigned kMap = 2;             // the constellation map
constexpr unsigned kEclipticCharts = 4;  // the animation and conjunction charts
}  // namespace chart_family

struct DisplayOption {
    StoredKey stored;
    int shift = 0;  // of the option's bit field within a shared key
    int mask = 0;   // 0: the option is the key's whole value
    IntField<ZarnSettings> inSettings;
    IntField<SkyToggles> inDocument;
    OptionCommand command;
    SheetBox box;
    std::uint32_t drawFlag = 0;  // 0: the drawing reads the option itself
    unsigned charts = 0;         // chart_family bits the draw flag is given to
    enum Medium { Both, Screen, Paper } medium = Both;
};

std::span<const DisplayOption> displayOptions();

// The option toggled by a command, or null.
const DisplayOption* optionOfCommand(int commandId);

// The display bits that the options give a chart of the family (one of the
// chart_family bits) on the screen or on paper.
std::uint32_t optionDrawFlags(const SkyToggles& toggles, unsigned family, bool printing);

// The document's options from the settings read at start, and back.
void takeStoredOptions(const ZarnSettings& settings, SkyToggles& toggles);
void giveStoredOptions(const SkyToggles& toggles, ZarnSettings& settings);

// The options that the chart options sheet shows, from its copy to the document's.
void takeSheetOptions(const SkyToggles& sheet, SkyToggles& document);

}  // namespace zarn
