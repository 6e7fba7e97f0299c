// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CMessier.h"

namespace zarn {

int CMessier::kindOfCode(const std::string& code)
{
    if (code.empty()) return static_cast<int>(DeepSkyKind::Other);
    switch (code.front()) {
    case 'A': return static_cast<int>(DeepSkyKind::Cluster);
    case 'N': return static_cast<int>(DeepSkyKind::Nebula);
    case 'G': return static_cast<int>(DeepSkyKind::Galaxy);
    default: return static_cast<int>(DeepSkyKind::Other);
    }
}

int CMessier::kind() const
{
    return kindOfCode(codePart());
}

}  // namespace zarn
