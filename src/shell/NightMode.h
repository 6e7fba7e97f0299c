#pragma once
// Night mode: the whole program red on black, so that the eye kept dark at
// the telescope is not dazzled. Every colour shown is turned into its own
// brightness in red (a star keeps how bright and how large it looks, only its
// hue goes); the windows take a red-on-black palette and style sheet.
// Printing never goes through it: a page stays as it always was.
#include <QColor>
#include <QImage>

namespace zarn::night {

// Whether the program is shown in night mode.
bool isOn();
// Turns night mode on or off for the whole application: its palette and
// style sheet. Windows that paint colours of their own read isOn().
void apply(bool on);

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
