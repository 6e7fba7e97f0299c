#pragma once
// Allowed: the sky stands on time. The engine never includes Qt.
#include "time/Ground.h"
#include <QString>
