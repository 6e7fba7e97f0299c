// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CQtSurface.h"

#include "charts/NightColours.h"
#include "charts/QtColour.h"

#include <QFontMetrics>
#include <cmath>
#include <QGuiApplication>
#include <QPainterPath>
#include <QScreen>

namespace zarn {

namespace {

// The image and painter of an off-screen surface, built before the surface
// that draws through them.
struct OffscreenCanvas {
    QImage image;
    QPainter painter;
    OffscreenCanvas(SSize size, qreal ratio, const QColor& fill)
        : image(QSize(qRound(size.cx * ratio), qRound(size.cy * ratio)), QImage::Format_ARGB32_Premultiplied)
    {
        image.setDevicePixelRatio(ratio);
        image.fill(fill);
        painter.begin(&image);
    }
};

class OffscreenSurface : private OffscreenCanvas, public CQtSurface {
public:
    OffscreenSurface(SSize size, qreal ratio, const QColor& fill, const PaletteColours& palette,
                     const SurfaceDevice& device)
        : OffscreenCanvas(size, ratio, fill), CQtSurface(OffscreenCanvas::painter, palette, device)
    {
    }
    ~OffscreenSurface() override
    {
        if (OffscreenCanvas::painter.isActive())
            OffscreenCanvas::painter.end();
    }
    QImage& Image() { return image; }
    QPainter& OwnPainter() { return OffscreenCanvas::painter; }
};

QString toQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A one-bit picture as an image, set bits in the ink, at twice its size when
// the screen has two device pixels to the unit: the doubling rounds the
// diagonals (each new pixel copies a neighbour only where two neighbours
// agree) instead of showing two-by-two blocks.
QImage pictureImage(const SBitmap& picture, QRgb ink, bool doubled)
{
    auto bit = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < picture.width && y < picture.height && picture.pixel(x, y);
    };
    const QRgb clear = qRgba(0, 0, 0, 0);
    const int f = doubled ? 2 : 1;
    QImage image(picture.width * f, picture.height * f, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const bool p = bit(x, y);
            if (!doubled) {
                image.setPixel(x, y, p ? ink : clear);
                continue;
            }
            const bool a = bit(x, y - 1), b = bit(x + 1, y), c = bit(x - 1, y), d = bit(x, y + 1);
            const bool e0 = (c == a && c != d && a != b) ? a : p;
            const bool e1 = (a == b && a != c && b != d) ? b : p;
            const bool e2 = (d == c && d != b && c != a) ? c : p;
            const bool e3 = (b == d && b != a && d != c) ? d : p;
            image.setPixel(2 * x, 2 * y, e0 ? ink : clear);
            image.setPixel(2 * x + 1, 2 * y, e1 ? ink : clear);
            image.setPixel(2 * x, 2 * y + 1, e2 ? ink : clear);
            image.setPixel(2 * x + 1, 2 * y + 1, e3 ? ink : clear);
        }
    }
    image.setDevicePixelRatio(f);
    return image;
}

}  // namespace

CQtSurface::CQtSurface(QPainter& painter, const PaletteColours& palette, const SurfaceDevice& device)
    : m_painter(painter), m_palette(palette), m_device(device)
{
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (!device.printer && painter.device())
        m_ratio = painter.device()->devicePixelRatioF();
}

CQtSurface::~CQtSurface() = default;

SurfaceDevice CQtSurface::ScreenDevice(const QPaintDevice& device)
{
    SurfaceDevice facts;
    facts.dpiX = device.logicalDpiX();
    facts.dpiY = device.logicalDpiY();
    facts.night = night::isOn();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        facts.screenWidth = screen->size().width();
    return facts;
}

SSize CQtSurface::Millimetre() const
{
    return {millimetreUnits(m_device.dpiX), millimetreUnits(m_device.dpiY)};
}

QColor CQtSurface::Resolve(Colour colour) const
{
    QColor out;
    if (isPaletteIndex(colour)) {
        const std::size_t index = colour & 0xFF;
        out = index < m_palette.size() ? m_palette[index] : toQColor(kBlack);
    } else {
        out = toQColor(colour);
    }
    // Night mode reaches every colour a chart draws with (the palette, plain
    // colours, pictures), never a printed one.
    return m_device.night && !m_device.printer ? night::red(out) : out;
}

QFont CQtSurface::QtFont(const SFont& font)
{
    QFont result;
    if (font.face == "Times New Roman" || font.face == "MS Serif")
        result.setFamily(QStringLiteral("Liberation Serif"));
    else if (font.face == "Arial")
        result.setFamily(QStringLiteral("Liberation Sans"));
    // "MS Sans Serif" keeps the user interface font.
    // A negative height is the character height; a positive one the cell height,
    // of which the character takes about seven eighths.
    const int pixels = font.height < 0 ? -font.height : font.height * 7 / 8;
    result.setPixelSize(std::max(1, pixels));
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    return result;
}

void CQtSurface::SetPen(Colour colour, int width)
{
    QPen pen(Resolve(colour));
    pen.setWidth(width);
    pen.setCosmetic(width == 0);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
}

void CQtSurface::SetNoPen() { m_painter.setPen(Qt::NoPen); }

void CQtSurface::SetBrush(Colour colour) { m_painter.setBrush(Resolve(colour)); }

void CQtSurface::SetNoBrush() { m_painter.setBrush(Qt::NoBrush); }

void CQtSurface::SetPatternBrush(const std::array<std::uint8_t, 8>& rows, Colour fore, Colour back)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    const QRgb f = Resolve(fore).rgb();
    const QRgb b = Resolve(back).rgb();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (rows[static_cast<std::size_t>(y)] >> (7 - x)) & 1 ? f : b);
    // One pattern dot to a device pixel, as on a screen of one pixel a unit.
    QBrush brush(pattern);
    if (m_ratio != 1.0)
        brush.setTransform(QTransform::fromScale(1.0 / m_ratio, 1.0 / m_ratio));
    m_painter.setBrush(brush);
}

void CQtSurface::SetFont(const SFont& font) { m_painter.setFont(QtFont(font)); }

void CQtSurface::SetTextColour(Colour colour) { m_textColour = Resolve(colour); }

void CQtSurface::SetBackground(Colour colour, bool opaque)
{
    m_painter.setBackground(Resolve(colour));
    m_painter.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

namespace {

// A line of the surface as the painter draws it: the end point left out, a
// line along an axis crisp, a slanted one smoothed through the centres of the
// pixels the plain line would light (c is half a device pixel).
struct PainterLine {
    bool empty = false;
    bool slanted = false;
    QLine straight;
    QLineF smooth;
};

PainterLine painterLine(int x1, int y1, int x2, int y2, qreal c)
{
    PainterLine line;
    if (x1 == x2 && y1 != y2)
        y2 += y2 > y1 ? -1 : 1;
    else if (y1 == y2 && x1 != x2)
        x2 += x2 > x1 ? -1 : 1;
    else if (x1 == x2 && y1 == y2)
        line.empty = true;
    line.slanted = x1 != x2 && y1 != y2;
    if (line.slanted)
        line.smooth = QLineF(QPointF(x1 + c, y1 + c), QPointF(x2 + c, y2 + c));
    else
        line.straight = QLine(x1, y1, x2, y2);
    return line;
}

}  // namespace

void CQtSurface::Line(int x1, int y1, int x2, int y2)
{
    const qreal c = m_painter.pen().isCosmetic() ? 0.5 / m_ratio : 0.5;
    const PainterLine line = painterLine(x1, y1, x2, y2, c);
    if (line.empty)
        return;
    m_painter.setRenderHint(QPainter::Antialiasing, line.slanted);
    if (line.slanted)
        m_painter.drawLine(line.smooth);
    else
        m_painter.drawLine(line.straight);
}

namespace {

// Whether a segment and the pixels its smoothed line touches lie well inside
// an ellipse (three units in from its edge): the elliptic clip then cuts
// nothing of it.
bool wellInside(const CSurface::Segment& s, const SRect& ellipse)
{
    const double a = ellipse.width() / 2.0 - 3.0;
    const double b = ellipse.height() / 2.0 - 3.0;
    if (a <= 0.0 || b <= 0.0)
        return false;
    const double cx = ellipse.left + ellipse.width() / 2.0;
    const double cy = ellipse.top + ellipse.height() / 2.0;
    auto inside = [&](int x, int y) {
        const double u = (x - cx) / a;
        const double v = (y - cy) / b;
        return u * u + v * v <= 1.0;
    };
    // The ellipse is convex: both ends inside, the whole segment is.
    return inside(s.x1, s.y1) && inside(s.x2, s.y2);
}

}  // namespace

void CQtSurface::Lines(const std::vector<Segment>& segments)
{
    // The painter's elliptic clip is costly for every pixel of a line: the
    // lines well inside the ellipse are drawn under its bounding rectangle,
    // which cuts nothing more, and only those near the rim under the ellipse.
    const SClip clip = Clip();
    if (clip.kind != SClip::Ellipse || m_device.printer) {
        DrawLines(segments);
        return;
    }
    std::vector<Segment> inner;
    std::vector<Segment> rim;
    for (const Segment& s : segments)
        (wellInside(s, clip.rect) ? inner : rim).push_back(s);
    if (!inner.empty()) {
        m_painter.setClipRect(QRect(clip.rect.left, clip.rect.top, clip.rect.width(), clip.rect.height()));
        DrawLines(inner);
        ApplyClip(clip);
    }
    DrawLines(rim);
}

void CQtSurface::DrawLines(const std::vector<Segment>& segments)
{
    // Runs of smoothed and of crisp lines go to the painter together, in
    // their order: each painter call costs far more than a line.
    const qreal c = m_painter.pen().isCosmetic() ? 0.5 / m_ratio : 0.5;
    std::vector<QLineF> smooth;
    std::vector<QLine> straight;
    auto flush = [&] {
        if (!smooth.empty()) {
            m_painter.setRenderHint(QPainter::Antialiasing, true);
            m_painter.drawLines(smooth.data(), static_cast<int>(smooth.size()));
            smooth.clear();
        }
        if (!straight.empty()) {
            m_painter.setRenderHint(QPainter::Antialiasing, false);
            m_painter.drawLines(straight.data(), static_cast<int>(straight.size()));
            straight.clear();
        }
    };
    for (const Segment& s : segments) {
        const PainterLine line = painterLine(s.x1, s.y1, s.x2, s.y2, c);
        if (line.empty)
            continue;
        if (line.slanted != straight.empty())
            flush();
        if (line.slanted)
            smooth.push_back(line.smooth);
        else
            straight.push_back(line.straight);
    }
    flush();
}

QRectF CQtSurface::ShapeRect(const SRect& box) const
{
    // The pen of a raster shape stays inside the box.
    const qreal inset = m_painter.pen().style() == Qt::NoPen ? 0.0 : 0.5;
    return QRectF(box.left + inset, box.top + inset, box.width() - 2 * inset, box.height() - 2 * inset);
}

void CQtSurface::Ellipse(const SRect& box)
{
    if (const QImage* disc = SmallDisc(box)) {
        m_painter.drawImage(QPoint(box.left, box.top), *disc);
        return;
    }
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.drawEllipse(ShapeRect(box));
}

const QImage* CQtSurface::SmallDisc(const SRect& box)
{
    // A chart draws thousands of star discs of a few sizes and colours, each
    // outlined in its own colour: the painter's smoothed ellipse costs far
    // more than copying the same disc drawn once on a clear image.
    constexpr int kLargest = 16;
    if (m_device.printer || box.width() <= 0 || box.height() <= 0 || box.width() > kLargest || box.height() > kLargest)
        return nullptr;
    const QPen& pen = m_painter.pen();
    const QBrush& brush = m_painter.brush();
    if (brush.style() != Qt::SolidPattern || pen.style() != Qt::SolidLine || !pen.isCosmetic() || pen.widthF() != 0.0 ||
        pen.brush().style() != Qt::SolidPattern || pen.color() != brush.color() || brush.color().alpha() != 255)
        return nullptr;
    // Whole units of a plain translation, so the disc lands on whole device pixels.
    const QTransform& t = m_painter.worldTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()) ||
        m_painter.opacity() != 1.0 || m_painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    struct Disc {
        int width, height;
        QRgb colour;
        qreal ratio;
        QImage image;
    };
    static std::vector<Disc> discs;
    const QRgb colour = brush.color().rgba();
    for (const Disc& d : discs)
        if (d.width == box.width() && d.height == box.height() && d.colour == colour && d.ratio == m_ratio)
            return &d.image;
    if (discs.size() >= 256)
        discs.clear();
    QImage image(QSize(qRound(box.width() * m_ratio), qRound(box.height() * m_ratio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawEllipse(ShapeRect(box.translated(-box.left, -box.top)));
    painter.end();
    discs.push_back({box.width(), box.height(), colour, m_ratio, image});
    return &discs.back().image;
}

void CQtSurface::Rectangle(const SRect& box)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.drawRect(ShapeRect(box));
}

void CQtSurface::Polygon(const std::vector<SPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const SPoint& p : points)
        polygon << QPoint(p.x, p.y);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.drawPolygon(polygon);
}

void CQtSurface::Pixel(int x, int y, Colour colour)
{
    // One device pixel, in the middle of the unit on a high-density screen.
    if (m_ratio == 1.0) {
        m_painter.fillRect(x, y, 1, 1, Resolve(colour));
        return;
    }
    const qreal side = 1.0 / m_ratio;
    const qreal inset = std::floor(m_ratio / 2.0) * side;
    m_painter.fillRect(QRectF(x + inset, y + inset, side, side), Resolve(colour));
}

void CQtSurface::Text(int x, int y, const std::string& text, unsigned align)
{
    const QString s = toQt(text);
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int width = metrics.horizontalAdvance(s);
    int left = x;
    if ((align & kAlignCentre) == kAlignCentre)
        left = x - width / 2;
    else if (align & kAlignRight)
        left = x - width;
    int top = y;
    if ((align & kAlignBaseline) == kAlignBaseline)
        top = y - metrics.ascent();
    else if (align & kAlignBottom)
        top = y - metrics.height();
    const QRect box(left, top, width, metrics.height());
    if (m_painter.backgroundMode() == Qt::OpaqueMode)
        m_painter.fillRect(box, m_painter.background());
    const QPen pen = m_painter.pen();
    m_painter.setPen(m_textColour);
    m_painter.drawText(QPoint(left, top + metrics.ascent()), s);
    m_painter.setPen(pen);
}

void CQtSurface::TextInBox(const SRect& box, const std::string& text)
{
    const QPen pen = m_painter.pen();
    m_painter.setPen(m_textColour);
    m_painter.drawText(QRect(box.left, box.top, box.width(), box.height()),
                       Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, toQt(text));
    m_painter.setPen(pen);
}

SSize CQtSurface::TextExtent(const std::string& text)
{
    const QFontMetrics metrics = m_painter.fontMetrics();
    return {metrics.horizontalAdvance(toQt(text)), metrics.height()};
}

SFontMetrics CQtSurface::FontMetrics()
{
    const QFontMetrics metrics = m_painter.fontMetrics();
    // The leading inside the cell above the accents: cell minus the em size.
    const int leading = std::max(0, metrics.height() - m_painter.font().pixelSize());
    return {metrics.height(), metrics.ascent(), leading};
}

void CQtSurface::Bitmap(const SBitmap& picture, const SRect& destination, Colour colour)
{
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const bool doubled = m_ratio >= 1.5 && destination.width() == picture.width;
    const QImage image = pictureImage(picture, Resolve(colour).rgb(), doubled);
    m_painter.drawImage(QRect(destination.left, destination.top, destination.width(), destination.height()), image);
}

std::unique_ptr<CSurface> CQtSurface::CreateOffscreen(SSize size, Colour fill)
{
    if (size.cx <= 0 || size.cy <= 0 || m_device.printer)
        return nullptr;
    const qreal ratio = m_painter.device() ? m_painter.device()->devicePixelRatioF() : 1.0;
    auto surface = std::make_unique<OffscreenSurface>(size, ratio, Resolve(fill), m_palette, m_device);
    surface->SetOrigin(Origin());
    return surface;
}

void CQtSurface::CopyOffscreen(CSurface& offscreen)
{
    auto* source = dynamic_cast<OffscreenSurface*>(&offscreen);
    if (!source)
        return;
    source->OwnPainter().end();
    // The image is in device units: draw it without the logical transform but
    // through the clip, which the painter keeps in device units.
    m_painter.save();
    m_painter.resetTransform();
    m_painter.drawImage(QPoint(0, 0), source->Image());
    m_painter.restore();
}

void CQtSurface::ApplyClip(const SClip& clip)
{
    switch (clip.kind) {
    case SClip::None:
        m_painter.setClipping(false);
        break;
    case SClip::Empty:
        m_painter.setClipRect(QRect(0, 0, 0, 0));
        break;
    case SClip::Rect:
        m_painter.setClipRect(QRect(clip.rect.left, clip.rect.top, clip.rect.width(), clip.rect.height()));
        break;
    case SClip::Ellipse:
        m_painter.setClipRegion(EllipseRegion(clip.rect));
        break;
    }
}

QRegion CQtSurface::EllipseRegion(const SRect& box) const
{
    const QRect ellipse(box.left, box.top, box.width(), box.height());
    // On a screen only the part of the ellipse over the device counts: a
    // magnified chart's disc is many times the window, and the painter's
    // cost of a region grows with its bands. The region is the same for
    // every clip of a paint, and of the next paint while nothing moves.
    QRect visible;
    if (!m_device.printer && m_painter.device()) {
        const QPaintDevice& device = *m_painter.device();
        // An image's width is in device pixels: more than the logical
        // width at a high density, which keeps the region whole there.
        const QRectF logical(0, 0, device.width(), device.height());
        visible = m_painter.worldTransform().inverted().mapRect(logical).toAlignedRect();
    }
    struct Cached {
        QRect ellipse;
        QRect visible;
        QRegion region;
    };
    static Cached cached;
    if (cached.ellipse != ellipse || cached.visible != visible || cached.region.isNull()) {
        QRegion region(ellipse, QRegion::Ellipse);
        cached = {ellipse, visible, visible.isNull() ? region : region.intersected(visible)};
    }
    return cached.region;
}

void CQtSurface::ApplyOrigin(SPoint origin)
{
    m_painter.setTransform(QTransform::fromTranslate(origin.x, origin.y));
}

void CQtSurface::SaveDevice()
{
    m_savedStates.push_back({m_painter.pen(), m_painter.brush(), m_painter.font(), m_painter.background(),
                             m_painter.backgroundMode(), m_textColour});
}

void CQtSurface::RestoreDevice()
{
    if (m_savedStates.empty())
        return;
    const DeviceState& state = m_savedStates.back();
    // Most saves change the pen and brush only (a star's colour): setting
    // the font again costs the painter a font resolution.
    m_painter.setPen(state.pen);
    m_painter.setBrush(state.brush);
    if (m_painter.font() != state.font)
        m_painter.setFont(state.font);
    if (m_painter.background() != state.background)
        m_painter.setBackground(state.background);
    m_painter.setBackgroundMode(state.backgroundMode);
    m_textColour = state.textColour;
    m_savedStates.pop_back();
}

}  // namespace zarn
