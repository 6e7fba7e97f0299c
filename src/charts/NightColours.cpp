// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/NightColours.h"

#include "charts/QtColour.h"

#include <algorithm>

namespace zarn::night {

namespace {
bool g_on = false;
}  // namespace

bool isOn() { return g_on; }

void setOn(bool on) { g_on = on; }

QRgb red(QRgb c)
{
    // Brightness as the eye weighs the three primaries (Rec. 601), but never
    // less than the red already there: a red stays as it is, so that what
    // was drawn red once (the windows' texts, a chart) is not dimmed again
    // when the work area's filter reads it.
    const int luma = (qRed(c) * 77 + qGreen(c) * 150 + qBlue(c) * 29 + 128) >> 8;
    return qRgba(std::max(luma, qRed(c)), 0, 0, qAlpha(c));
}

QColor red(const QColor& colour) { return QColor::fromRgba(red(colour.rgba())); }

QColor shown(const QColor& colour) { return g_on ? red(colour) : colour; }

QColor ink() { return toQColor(g_on ? kNightTextColour : kBlack); }

QColor paper(const QColor& day) { return g_on ? toQColor(kBlack) : day; }

void redden(QImage& image)
{
    if (image.isNull())
        return;
    // Premultiplied values stay premultiplied: the red of a pixel is never
    // above its alpha, as its brightness is never above its brightest primary.
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_RGB32 &&
        image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = red(line[x]);
    }
}

}  // namespace zarn::night
