// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that draws nothing and only answers the device facts and clip
// tests: the hit tests of mouse moves and clicks run on it.
#include "sky/CSurface.h"

namespace zarn {

class CFactsSurface : public CSurface {
public:
    CFactsSurface(int screenWidth, int dpi) : m_screenWidth(screenWidth), m_dpi(dpi) {}

    bool IsPrinter() const override { return false; }
    int ScreenWidth() const override { return m_screenWidth; }
    SSize Millimetre() const override { return {millimetreUnits(m_dpi), millimetreUnits(m_dpi)}; }
    int LogicalDpiY() const override { return m_dpi; }

    void SetPen(Colour, int) override {}
    void SetNoPen() override {}
    void SetBrush(Colour) override {}
    void SetNoBrush() override {}
    void SetPatternBrush(const std::array<std::uint8_t, 8>&, Colour, Colour) override {}
    void SetFont(const SFont&) override {}
    void SetTextColour(Colour) override {}
    void SetBackground(Colour, bool) override {}
    void Line(int, int, int, int) override {}
    void Ellipse(const SRect&) override {}
    void Rectangle(const SRect&) override {}
    void Polygon(const std::vector<SPoint>&) override {}
    void Pixel(int, int, Colour) override {}
    void Text(int, int, const std::string&, unsigned) override {}
    void TextInBox(const SRect&, const std::string&) override {}
    SSize TextExtent(const std::string&) override { return {}; }
    SFontMetrics FontMetrics() override { return {}; }
    void Bitmap(const SBitmap&, const SRect&, Colour) override {}

protected:
    void ApplyClip(const SClip&) override {}
    void ApplyOrigin(SPoint) override {}
    void SaveDevice() override {}
    void RestoreDevice() override {}

private:
    int m_screenWidth;
    int m_dpi;
};

}  // namespace zarn
