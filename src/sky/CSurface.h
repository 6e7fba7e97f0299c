// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface every sky object and chart draws through: a screen
// window, an off-screen image or a printer page. Plain C++; the windows
// implement it on their painter, the tests with a recorder.
//
// Coordinates are logical units (one pixel on screen); the viewport origin is
// the device point where logical (0, 0) lies. Rectangles follow the usual
// raster convention: right and bottom edges are exclusive.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sky/ColourTable.h"

namespace zarn {

// Colours are the sky objects' colours: plain RGB or a program-palette entry.

struct SPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SPoint&) const = default;
};

struct SSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const SSize&) const = default;
};

struct SRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool intersects(const SRect& o) const
    {
        return !isEmpty() && !o.isEmpty() && left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    SRect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const SRect&) const = default;
};

// A font by face name ("Times New Roman", "Arial", "MS Serif", "MS Sans Serif");
// height in logical units: negative for the character height, positive for the
// cell height, as the charts state them.
struct SFont {
    std::string face;
    int height = 0;
    int weight = 400;
};

struct SFontMetrics {
    int height = 0;           // cell height
    int ascent = 0;
    int internalLeading = 0;
};

// Text alignment of Text(): the reference point is the box's left, centre or
// right and its top, bottom or baseline.
enum TextAlign : unsigned {
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCentre = 6,
    kAlignTop = 0,
    kAlignBottom = 8,
    kAlignBaseline = 24,
};

// A small one-bit picture (symbols, pattern brushes): rows of bytes, most
// significant bit first; a set bit is drawn in the foreground colour and a
// clear bit is left transparent.
struct SBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;  // height rows of (width + 7) / 8 bytes
    bool pixel(int x, int y) const
    {
        const int stride = (width + 7) / 8;
        return (bits[static_cast<std::size_t>(y * stride + x / 8)] >> (7 - x % 8)) & 1;
    }
};

// The region that limits drawing, with the visibility tests the charts make
// before asking an object to draw.
struct SClip {
    enum Kind { None, Rect, Ellipse, Empty } kind = None;
    SRect rect;

    bool operator==(const SClip&) const = default;
    bool isPointVisible(int x, int y) const;
    bool isRectVisible(const SRect& r) const;
};

class CSurface {
public:
    virtual ~CSurface() = default;

    // Device facts.
    virtual bool IsPrinter() const = 0;     // a printer page or its preview
    virtual bool IsPreview() const { return false; }
    virtual int ScreenWidth() const = 0;    // width of the screen in pixels
    virtual SSize Millimetre() const = 0;   // logical units in one millimetre (x, y)
    virtual int LogicalDpiY() const = 0;    // logical pixels per inch
    // Screens exactly 640 pixels wide use smaller symbols, fonts and lists.
    bool IsSmallScreen() const { return !IsPrinter() && ScreenWidth() == 640; }

    // State: Save pushes pens, brushes, font, colours, clip and origin.
    void Save();
    void Restore();

    virtual void SetPen(Colour colour, int width) = 0;  // width 0 = thinnest
    virtual void SetNoPen() = 0;
    virtual void SetBrush(Colour colour) = 0;
    virtual void SetNoBrush() = 0;
    // An 8 x 8 pattern; set bits in the foreground, clear bits in the background.
    virtual void SetPatternBrush(const std::array<std::uint8_t, 8>& rows, Colour fore, Colour back) = 0;
    virtual void SetFont(const SFont& font) = 0;
    virtual void SetTextColour(Colour colour) = 0;
    virtual void SetBackground(Colour colour, bool opaque) = 0;

    // Drawing. Line ends before its end point; Ellipse and Rectangle fill with
    // the brush and outline with the pen, inside their bounding rectangle.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Many lines in one call, drawn in their order as Line would draw them
    // one by one (a device may hand them over together: the grids).
    struct Segment {
        int x1, y1, x2, y2;
    };
    virtual void Lines(const std::vector<Segment>& segments);
    virtual void Ellipse(const SRect& box) = 0;
    virtual void Rectangle(const SRect& box) = 0;
    virtual void Polygon(const std::vector<SPoint>& points) = 0;
    virtual void Pixel(int x, int y, Colour colour) = 0;
    virtual void Text(int x, int y, const std::string& text, unsigned align) = 0;
    // One line of text centred horizontally and vertically in the box.
    virtual void TextInBox(const SRect& box, const std::string& text) = 0;
    virtual SSize TextExtent(const std::string& text) = 0;
    virtual SFontMetrics FontMetrics() = 0;
    // The picture stretched into the destination, set bits in the colour.
    virtual void Bitmap(const SBitmap& picture, const SRect& destination, Colour colour) = 0;

    // Clipping, in logical units.
    void SetClip(const SClip& clip);
    void ClipNone() { SetClip({}); }
    const SClip& Clip() const { return m_state.clip; }
    bool IsVisible(const SRect& r) const { return m_state.clip.isRectVisible(r); }
    bool IsPointVisible(int x, int y) const { return m_state.clip.isPointVisible(x, y); }

    // Off-screen drawing: a surface of the same kind on a fresh image of the
    // given device size (filled with the colour), and the block transfer of
    // that image back onto this surface through the current clip. A surface
    // that cannot draw off-screen returns nothing and the caller draws directly.
    virtual std::unique_ptr<CSurface> CreateOffscreen(SSize size, Colour fill) { (void)size; (void)fill; return nullptr; }
    virtual void CopyOffscreen(CSurface& offscreen) { (void)offscreen; }

    // Viewport origin: the device point of logical (0, 0).
    void SetOrigin(SPoint origin);
    SPoint Origin() const { return m_state.origin; }

protected:
    // The implementation follows the state kept here. SaveDevice and
    // RestoreDevice keep pens, brushes, font and colours; the clip and the
    // origin are applied again only when they changed.
    virtual void ApplyClip(const SClip& clip) = 0;
    virtual void ApplyOrigin(SPoint origin) = 0;
    virtual void SaveDevice() = 0;
    virtual void RestoreDevice() = 0;

private:
    struct State {
        SClip clip;
        SPoint origin;
    };
    State m_state;
    std::vector<State> m_saved;
};

// One millimetre on a device: 100 hundredths of a millimetre converted with
// the device's dots per inch (2540 hundredths to the inch), rounded.
int millimetreUnits(int dotsPerInch);
// Multiply then divide with rounding, as the platform's MulDiv.
int mulDiv(int number, int numerator, int denominator);

}  // namespace zarn
