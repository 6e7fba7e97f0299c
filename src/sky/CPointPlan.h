#pragma once
// A point of one of the two reference lines drawn on the charts (ecliptic,
// celestial equator). It keeps its coordinates in radians, as archived.
#include "sky/CAstre.h"

namespace zarn {

class CPointPlan : public CAstre {
public:
    CPointPlan() = default;
    CPointPlan(double alpha, double delta);

    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;
};

}  // namespace zarn
