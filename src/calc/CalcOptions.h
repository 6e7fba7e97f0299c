// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common options of zarn-calc: date, time and place.
#include "time/CInstant.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

struct CalcOptions {
    std::optional<std::string> date, time, lon, lat, zone, dst, name, tz;
    std::vector<std::string> rest;  // command name and its own arguments
};

// Splits the arguments; an unknown "--" option or one without its value gives
// an error message.
std::optional<std::string> splitOptions(int argc, char* argv[], CalcOptions& out);

// The place of the options, typed as in the observatory dialog and stored as
// the dialog stores it; or the French message that refuses it.
struct PlaceOrError {
    std::optional<CLieu> place;
    std::string error;
};
PlaceOrError placeFromOptions(const CalcOptions& options, const CLieu& defaults);

// Observatory 0 of the settings file if one is found, else Paris.
CLieu defaultPlace();

}  // namespace zarn
