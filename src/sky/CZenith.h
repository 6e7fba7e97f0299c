#pragma once
// The marker of the observer's zenith: at the local sidereal time in right
// ascension and at the latitude in declination.
#include "sky/CAstre.h"

namespace zarn {

class CZenith : public CAstre {
public:
    CZenith() = default;
    bool Compute(const CInstant& instant) override;
    std::string GetName() const override { return "Zénith"; }
};

}  // namespace zarn
