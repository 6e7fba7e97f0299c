// SPDX-License-Identifier: GPL-3.0-or-later
// Sideways: a tool window reaches into the chart windows, and up into the program.
#include "charts/ui/CZarnView.h"
#include "app/CZarnDoc.h"
// Allowed: the Qt base layer and the chart classes.
#include "ui/CDocView.h"
#include "charts/CCarte.h"
