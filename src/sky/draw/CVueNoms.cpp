// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/draw/CVueNoms.h"

#include <array>
#include <charconv>

namespace zarn {

std::optional<int> CVueNoms::CodeFor(const std::string& name) const
{
    if (!m_codes)
        return std::nullopt;
    const auto found = m_codes->find(name);
    if (found == m_codes->end())
        return std::nullopt;
    // Read as "%d": leading blanks, a sign and digits; anything else counts 0.
    const std::string& text = found->second;
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0;
    if (text[start] == '+')
        ++start;
    int code = 0;
    std::from_chars(text.data() + start, text.data() + text.size(), code);
    return code;
}

void CVueNoms::Set(const std::string& text, SPoint anchor, int code, int offset)
{
    m_text = text;
    m_anchor = anchor;
    m_code = code;
    m_offset = offset;
}

SRect CVueNoms::BoxFor(int code, SPoint anchor, int b, SSize extent, int internalLeading)
{
    const int x = anchor.x;
    const int y = anchor.y;
    const int w = extent.cx;
    const int h = extent.cy;
    int left = x + b;
    int top = y;
    switch (code) {
    case 0: left = x + 3 * b / 4; top = y; break;
    case 1: left = x - w / 2; top = y + 2 * b / 3; break;
    case 2: left = x - 3 * b / 4 - w; top = y; break;
    case 4: left = x + b; top = y - h / 2 - internalLeading; break;
    case 6: left = x - b - w; top = y - h / 2 - internalLeading; break;
    case 40: left = x + b; top = y - h; break;
    case 41: left = x - w / 2; top = y - 3 * b / 4 - h; break;
    case 42: left = x - b - w; top = y - h; break;
    default: break;
    }
    return {left, top, left + w, top + h};
}

SRect CVueNoms::ComputeBox(CSurface& surface)
{
    surface.Save();
    surface.SetFont(m_font);
    const SSize extent = surface.TextExtent(m_text);
    const SFontMetrics metrics = surface.FontMetrics();
    surface.Restore();
    m_box = BoxFor(m_code, m_anchor, m_offset, extent, metrics.internalLeading);
    return m_box;
}

bool CVueNoms::IsOccupied(const SRect& box) const
{
    for (const SRect& taken : m_occupied)
        if (taken.intersects(box))
            return true;
    return false;
}

bool CVueNoms::Place(CSurface& surface)
{
    const auto& kCycle = kPlacementCycle;
    const int preferred = m_code;
    std::size_t start = 0;
    for (std::size_t i = 0; i < kCycle.size(); ++i)
        if (kCycle[i] == preferred)
            start = i;
    for (std::size_t n = 0; n < kCycle.size(); ++n) {
        m_code = kCycle[(start + n) % kCycle.size()];
        const SRect box = ComputeBox(surface);
        const int right = box.right - 1;
        const int bottom = box.bottom - 1;
        const bool cornersVisible = surface.IsPointVisible(box.left, box.top)
                                    && surface.IsPointVisible(right, box.top)
                                    && surface.IsPointVisible(box.left, bottom)
                                    && surface.IsPointVisible(right, bottom);
        if (!IsOccupied(box) && cornersVisible)
            return true;
    }
    m_code = preferred;
    ComputeBox(surface);
    return false;
}

void CVueNoms::Commit(CSurface& surface)
{
    if (m_text.empty())
        return;
    ComputeBox(surface);
    m_occupied.push_back(m_box);
    DrawText(surface);
}

void CVueNoms::Show(CSurface& surface, const std::string& text, SPoint anchor, int code, int offset)
{
    Set(text, anchor, code, offset);
    if (m_text.empty())
        return;
    ComputeBox(surface);
    DrawText(surface);
}

SRect CVueNoms::Hide()
{
    const SRect box = m_box;
    m_text.clear();
    m_box = {};
    return box;
}

void CVueNoms::Redraw(CSurface& surface)
{
    if (!m_text.empty())
        DrawText(surface);
}

void CVueNoms::DrawText(CSurface& surface)
{
    surface.Save();
    surface.SetFont(m_font);
    if (m_kind == Kind::Screen) {
        surface.SetTextColour(kWhite);
        surface.SetBackground(paletteIndex(kSkyPaletteEntry), true);
    } else {
        surface.SetTextColour(kBlack);
        surface.SetBackground(kWhite, false);
    }
    surface.Text(m_box.left, m_box.top, m_text, kAlignLeft | kAlignTop);
    surface.Restore();
}

}  // namespace zarn
