// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Allowed: the sky stands on time. The engine never includes Qt.
#include "time/Ground.h"
#include <QString>
