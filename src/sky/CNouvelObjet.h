// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An object added by the user (options of the charts) and kept in OBJETS.ZAR:
// a name, a position and the symbol it is drawn with (0 comet, 1 cluster,
// 2 nebula, 3 galaxy, 4 cross).
#include <string>

#include "sky/CMessier.h"

namespace zarn {

class CNouvelObjet : public CMessier {
public:
    static constexpr int kMaxKind = 4;

    CNouvelObjet() = default;
    // Position in degrees, rounded half up to thousandths of a degree.
    CNouvelObjet(double alphaDegrees, double deltaDegrees, std::string name, int kind);

    const char* className() const override { return "CNouvelObjet"; }
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    int kind() const override { return m_kind; }

    // The kind's symbol (not on constellation charts) and the user's name (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    bool DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags) override;

private:
    int m_kind = 0;
};

}  // namespace zarn
