// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A deep-sky object: a cluster, a nebula or a galaxy. It is stored like a star;
// its kind is told by the first character of the code part of its designation.
#include "sky/CEtoile.h"

namespace zarn {

enum class DeepSkyKind { Other = 0, Cluster = 1, Nebula = 2, Galaxy = 3 };

class CMessier : public CEtoile {
public:
    CMessier() = default;

    const char* className() const override { return "CMessier"; }
    // "A..." cluster, "N..." nebula, "G..." galaxy, anything else 0.
    virtual int kind() const;

    // The symbol picture of the kind (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;

    static int kindOfCode(const std::string& code);
};

}  // namespace zarn
