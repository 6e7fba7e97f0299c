// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the windows that have a place of their own stand in the work area of
// the main window: the sky window on the right, and left of it the column of
// the Sun and the Moon (top) over the search window.
#include <QRect>
#include <QSize>

namespace zarn {

QRect skyFrameRect(QSize client);
QRect sunMoonFrameRect(QSize client);
QRect searchFrameRect(QSize client);

}  // namespace zarn
