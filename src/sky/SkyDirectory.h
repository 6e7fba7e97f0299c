// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the objects need to know of the sky collection to name their
// constellation: the full name behind an abbreviation and the zodiac
// constellation of a point. The sky collection implements it; objects hold
// no reference to the document.
#include <string>

namespace zarn {

class SkyDirectory {
public:
    virtual ~SkyDirectory() = default;
    // Full name of the first constellation with this abbreviation; empty when
    // there is none.
    virtual std::string constellationName(const std::string& abbreviation) const = 0;
    // Constellation of the zodiac table for a body at (α, δ), radians; empty
    // when the table is empty.
    virtual std::string zodiacConstellation(double alpha, double delta) const = 0;
};

}  // namespace zarn
