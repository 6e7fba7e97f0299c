// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of night mode, as every chart and window shows them: each
// colour turned into its own brightness in red (a star keeps how bright and
// how large it looks, only its hue goes). Printing never goes through them.
#include <QColor>
#include <QImage>

namespace zarn::night {

// Whether the program is shown in night mode (set by the windows' layer).
bool isOn();
void setOn(bool on);

// A colour as night mode shows it: its brightness, in red (a red keeps its
// own); alpha is kept.
QRgb red(QRgb colour);
QColor red(const QColor& colour);
// The colour itself outside night mode, red() in it.
QColor shown(const QColor& colour);
// The ink of a window's own painting: black by day, the windows' red text at
// night; and its paper: the day colour, or black at night.
QColor ink();
QColor paper(const QColor& day);
// Every pixel of the image through red().
void redden(QImage& image);

}  // namespace zarn::night
