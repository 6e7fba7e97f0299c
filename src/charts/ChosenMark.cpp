// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChosenMark.h"

#include <algorithm>

namespace zarn {

void drawReticle(CSurface& dc, SPoint at, int radius)
{
    dc.Save();
    dc.SetPen(kChosenMarkColour, 2);
    dc.SetNoBrush();
    dc.Ellipse({at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1});
    const int tick = radius / 2 + 3;
    dc.Line(at.x - radius - tick, at.y, at.x - radius, at.y);
    dc.Line(at.x + radius, at.y, at.x + radius + tick, at.y);
    dc.Line(at.x, at.y - radius - tick, at.x, at.y - radius);
    dc.Line(at.x, at.y + radius, at.x, at.y + radius + tick);
    dc.Restore();
}

void drawDescriptionPanel(CSurface& dc, const ObjectDescription& description, const SFont& font, int width)
{
    if (description.name.empty())
        return;
    dc.Save();
    dc.SetFont(font);
    const int lineHeight = dc.TextExtent("Ág").cy;
    int textWidth = dc.TextExtent(description.name).cx;
    for (const std::string& line : description.lines)
        textWidth = std::max(textWidth, dc.TextExtent(line).cx);
    const int margin = lineHeight / 2;
    const int lines = 1 + static_cast<int>(description.lines.size());
    const SRect box{width - textWidth - 3 * margin, margin, width - margin, 2 * margin + lines * lineHeight + margin};
    dc.SetPen(kChosenMarkColour, 1);
    dc.SetBrush(paletteIndex(kSkyPaletteEntry));
    dc.Rectangle(box);
    dc.SetBackground(paletteIndex(kSkyPaletteEntry), false);
    int y = box.top + margin;
    dc.SetTextColour(kChosenMarkColour);
    dc.Text(box.left + margin, y, description.name, kAlignLeft | kAlignTop);
    dc.SetTextColour(kWhite);
    for (const std::string& line : description.lines) {
        y += lineHeight;
        dc.Text(box.left + margin, y, line, kAlignLeft | kAlignTop);
    }
    dc.Restore();
}

}  // namespace zarn
