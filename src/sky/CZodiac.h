// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of the zodiac table, which names the constellation a Sun, Moon or
// planet stands in. Entries are ordered by increasing right-ascension limit;
// within an entry a declination limit separates the constellation above it
// (first name) from the one below it (second name).
#include <string>
#include <vector>

#include "archive/CSerialisable.h"

namespace zarn {

class CZodiac : public CSerialisable {
public:
    CZodiac() = default;
    CZodiac(double alphaLimit, double deltaLimit, std::string above, std::string below);

    const char* className() const override { return "CZodiac"; }
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    double alphaLimit() const { return m_alphaLimit; }
    double deltaLimit() const { return m_deltaLimit; }
    const std::string& firstName() const { return m_firstName; }
    const std::string& secondName() const { return m_secondName; }

private:
    double m_alphaLimit = 0.0;
    double m_deltaLimit = 0.0;
    std::string m_firstName;
    std::string m_secondName;
};

using ZodiacTable = std::vector<const CZodiac*>;

// The constellation text of a body at (α, δ): the first entry whose limit is not
// below α decides; δ at most its declination limit gives the second name. A
// position beyond the last limit, or an empty table, gives an empty text.
std::string zodiacLookup(const ZodiacTable& table, double alpha, double delta);

}  // namespace zarn
