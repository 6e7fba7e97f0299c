// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Night mode: the whole program red on black, so that the eye kept dark at
// the telescope is not dazzled. Every colour shown is turned into its own
// brightness in red (a star keeps how bright and how large it looks, only its
// hue goes); the windows take a red-on-black palette and style sheet.
// Printing never goes through it: a page stays as it always was.
#include "charts/NightColours.h"

namespace zarn::night {

// Turns night mode on or off for the whole application: its palette and
// style sheet. Windows that paint colours of their own read isOn().
void apply(bool on);

}  // namespace zarn::night
