// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window kinds registered on the one document: for each kind the function
// that opens a window of it. A kind without a function has no window yet; its
// commands stay disabled.
#include "ui/CDocView.h"

#include <array>
#include <functional>
#include <memory>

class QMdiSubWindow;

namespace zarn {

class CMainFrame;
class CZarnDoc;

struct WindowKinds {
    using Opener = std::function<QMdiSubWindow*(CZarnDoc&, CMainFrame&)>;
    std::array<Opener, kViewKindCount> open;

    Opener& operator[](ViewKind kind) { return open[static_cast<int>(kind)]; }
    const Opener& operator[](ViewKind kind) const { return open[static_cast<int>(kind)]; }
};

// The kinds of this program: every window class is plugged in here.
WindowKinds programWindowKinds();

}  // namespace zarn
