// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Upward: the ground floor reaches for the sky model.
#include "sky/Above.h"
// Allowed: its own folder and the archive below it.
#include "time/Ground.h"
#include "archive/AtomicFile.h"
