// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface on a QPainter: the sky window, an off-screen image
// (honouring the device pixel ratio) or a printer page.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <array>
#include <memory>
#include <vector>

#include "sky/CSurface.h"

namespace zarn {

using PaletteColours = std::array<QColor, kPaletteSize>;

// What the surface tells the drawing code about its device.
struct SurfaceDevice {
    bool printer = false;
    bool preview = false;
    int screenWidth = 1920;
    int dpiX = 96;   // logical units per inch
    int dpiY = 96;
    // Screen only: every colour shown in red (night mode).
    bool night = false;
};

class CQtSurface : public CSurface {
public:
    CQtSurface(QPainter& painter, const PaletteColours& palette, const SurfaceDevice& device);
    ~CQtSurface() override;

    // A screen surface for a widget or image: dots per inch and screen width
    // taken from the paint device and the primary screen.
    static SurfaceDevice ScreenDevice(const QPaintDevice& device);

    bool IsPrinter() const override { return m_device.printer; }
    bool IsPreview() const override { return m_device.preview; }
    int ScreenWidth() const override { return m_device.screenWidth; }
    SSize Millimetre() const override;
    int LogicalDpiY() const override { return m_device.dpiY; }

    void SetPen(Colour colour, int width) override;
    void SetNoPen() override;
    void SetBrush(Colour colour) override;
    void SetNoBrush() override;
    void SetPatternBrush(const std::array<std::uint8_t, 8>& rows, Colour fore, Colour back) override;
    void SetFont(const SFont& font) override;
    void SetTextColour(Colour colour) override;
    void SetBackground(Colour colour, bool opaque) override;

    void Line(int x1, int y1, int x2, int y2) override;
    void Lines(const std::vector<Segment>& segments) override;
    void Ellipse(const SRect& box) override;
    void Rectangle(const SRect& box) override;
    void Polygon(const std::vector<SPoint>& points) override;
    void Pixel(int x, int y, Colour colour) override;
    void Text(int x, int y, const std::string& text, unsigned align) override;
    void TextInBox(const SRect& box, const std::string& text) override;
    SSize TextExtent(const std::string& text) override;
    SFontMetrics FontMetrics() override;
    void Bitmap(const SBitmap& picture, const SRect& destination, Colour colour) override;

    std::unique_ptr<CSurface> CreateOffscreen(SSize size, Colour fill) override;
    void CopyOffscreen(CSurface& offscreen) override;

    QColor Resolve(Colour colour) const;
    QPainter& Painter() { return m_painter; }
    static QFont QtFont(const SFont& font);

protected:
    void ApplyClip(const SClip& clip) override;
    void ApplyOrigin(SPoint origin) override;
    void SaveDevice() override;
    void RestoreDevice() override;

private:
    QRectF ShapeRect(const SRect& box) const;
    // The lines in their order, through the painter's clip as it stands.
    void DrawLines(const std::vector<Segment>& segments);
    // The picture of a small disc filled and outlined in one colour, drawn
    // once and kept; none where the painter's state calls for drawing it.
    const QImage* SmallDisc(const SRect& box);
    // The region of an elliptic clip (logical units), kept from the last call.
    QRegion EllipseRegion(const SRect& box) const;

    QPainter& m_painter;
    PaletteColours m_palette;
    SurfaceDevice m_device;
    qreal m_ratio = 1.0;  // device pixels to the unit on screen
    QColor m_textColour = Qt::black;
    // Pens, brushes, font and colours of Save (the clip and the origin are
    // kept by the base class: restoring a clip is costly for the painter).
    struct DeviceState {
        QPen pen;
        QBrush brush;
        QFont font;
        QBrush background;
        Qt::BGMode backgroundMode;
        QColor textColour;
    };
    std::vector<DeviceState> m_savedStates;
};

}  // namespace zarn
