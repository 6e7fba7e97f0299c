// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CProgramPalette.h"

namespace zarn {

namespace {
// Entries 1 to 11 run from blue-white to red: the star colours by colour index.
constexpr int kEntries[CProgramPalette::kSize][3] = {
    {255, 255, 255}, {80, 192, 232},  {112, 232, 232}, {180, 232, 208}, {204, 212, 168},
    {180, 220, 144}, {220, 228, 156}, {208, 172, 12},  {244, 164, 64},  {236, 136, 28},
    {224, 116, 24},  {224, 54, 24},   {0, 0, 0},       {0, 0, 0},       {60, 60, 60},
    {0, 0, 0},       {110, 100, 110}, {244, 164, 120},
};
}  // namespace

CProgramPalette::CProgramPalette()
{
    for (int i = 0; i < kSize; ++i)
        m_colours[i] = QColor(kEntries[i][0], kEntries[i][1], kEntries[i][2]);
}

QColor CProgramPalette::color(int index) const
{
    if (index < 0 || index >= kSize)
        return QColor(0, 0, 0);
    return m_colours[index];
}

}  // namespace zarn
