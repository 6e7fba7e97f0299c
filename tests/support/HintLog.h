// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view of the document that records the hints of every update.
#include "ui/CDocView.h"

#include <vector>

namespace zarn::test {

class HintLog : public CDocView {
public:
    void OnUpdate(CDocView*, unsigned hint, void*) override { hints.push_back(hint); }
    ViewKind viewKind() const override { return ViewKind::Sky; }
    std::vector<unsigned> hints;
};

}  // namespace zarn::test
