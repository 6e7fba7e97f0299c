// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface that records what is drawn, for the tests of the objects'
// drawing, the label windows and the charts. Text is measured as 6 units per
// character and 10 units high (2 of them internal leading).
#include <string>
#include <vector>

#include "sky/CSurface.h"

namespace zarn::test {

struct DrawCall {
    std::string what;   // "line", "ellipse", "rectangle", "polygon", "pixel", "text", "box", "bitmap"
    SRect rect;         // line: (x1, y1, x2, y2); shapes: their box; text: its anchor in left/top
    Colour colour = 0;  // pen (lines), brush (shapes), ink (pixels, bitmaps), text colour
    std::string text;
    std::vector<SPoint> points;
};

class RecordingSurface : public CSurface {
public:
    bool printer = false;
    bool preview = false;
    int screenWidth = 1920;
    SSize millimetre{4, 4};
    int dpi = 96;
    std::vector<DrawCall> calls;
    Colour pen = 0;
    Colour brush = 0;
    Colour textColour = 0;
    SFont font;

    bool IsPrinter() const override { return printer; }
    bool IsPreview() const override { return preview; }
    int ScreenWidth() const override { return screenWidth; }
    SSize Millimetre() const override { return millimetre; }
    int LogicalDpiY() const override { return dpi; }

    void SetPen(Colour colour, int) override { pen = colour; }
    void SetNoPen() override {}
    void SetBrush(Colour colour) override { brush = colour; }
    void SetNoBrush() override {}
    void SetPatternBrush(const std::array<std::uint8_t, 8>&, Colour fore, Colour) override { brush = fore; }
    void SetFont(const SFont& f) override { font = f; }
    void SetTextColour(Colour colour) override { textColour = colour; }
    void SetBackground(Colour, bool) override {}

    void Line(int x1, int y1, int x2, int y2) override { calls.push_back({"line", {x1, y1, x2, y2}, pen, {}, {}}); }
    void Ellipse(const SRect& box) override { calls.push_back({"ellipse", box, brush, {}, {}}); }
    void Rectangle(const SRect& box) override { calls.push_back({"rectangle", box, brush, {}, {}}); }
    void Polygon(const std::vector<SPoint>& points) override { calls.push_back({"polygon", {}, brush, {}, points}); }
    void Pixel(int x, int y, Colour colour) override { calls.push_back({"pixel", {x, y, x + 1, y + 1}, colour, {}, {}}); }
    void Text(int x, int y, const std::string& text, unsigned) override
    {
        calls.push_back({"text", {x, y, x, y}, textColour, text, {}});
    }
    void TextInBox(const SRect& box, const std::string& text) override
    {
        calls.push_back({"box", box, textColour, text, {}});
    }
    SSize TextExtent(const std::string& text) override { return {6 * static_cast<int>(text.size()), 10}; }
    SFontMetrics FontMetrics() override { return {10, 8, 2}; }
    void Bitmap(const SBitmap&, const SRect& destination, Colour colour) override
    {
        calls.push_back({"bitmap", destination, colour, {}, {}});
    }

    std::vector<DrawCall> Of(const std::string& what) const
    {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls)
            if (call.what == what)
                found.push_back(call);
        return found;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const DrawCall& call : calls)
            if (call.what == "text" || call.what == "box")
                texts.push_back(call.text);
        return texts;
    }

protected:
    void ApplyClip(const SClip&) override {}
    void ApplyOrigin(SPoint) override {}
    void SaveDevice() override {}
    void RestoreDevice() override {}
};

}  // namespace zarn::test
