// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program palette: eighteen colours that every drawing names by index.
// Entry 14 is the ground of the horizon chart, entry 15 the sky colour (the
// only mutable entry), entry 17 the highlighted constellation figure.
#include <QColor>

#include <array>

namespace zarn {

class CProgramPalette {
public:
    static constexpr int kSize = 18;
    static constexpr int kGround = 14;
    static constexpr int kSky = 15;
    static constexpr int kHighlight = 17;

    CProgramPalette();

    QColor color(int index) const;  // black for an index out of range
    void setSkyColour(const QColor& colour) { m_colours[kSky] = colour; }
    QColor skyColour() const { return m_colours[kSky]; }
    const std::array<QColor, kSize>& colours() const { return m_colours; }

private:
    std::array<QColor, kSize> m_colours;
};

}  // namespace zarn
