#pragma once
// An object added by the user (options of the charts) and kept in OBJETS.ZAR:
// a name, a position and a kind (0 point, 1 cluster, 2 nebula, 3 galaxy).
#include <string>

#include "sky/CMessier.h"

namespace zarn {

class CNouvelObjet : public CMessier {
public:
    static constexpr int kMaxKind = 3;

    CNouvelObjet() = default;
    // Position in degrees, rounded half up to thousandths of a degree.
    CNouvelObjet(double alphaDegrees, double deltaDegrees, std::string name, int kind);

    const char* className() const override { return "CNouvelObjet"; }
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    int kind() const override { return m_kind; }

private:
    int m_kind = 0;
};

}  // namespace zarn
