#include "charts/CZarnView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "charts/CCarteHorizon.h"
#include "charts/ChartMenu.h"
#include "charts/CFactsSurface.h"
#include "charts/CQtSurface.h"
#include "sky/CAstre.h"
#include "time/CInstant.h"

namespace zarn {

namespace {

constexpr int kHoverDelayMs = 300;

// The ephemerides of the selected object, at the end of the context menu.
constexpr int kEphemerides = 32808;

// Update hint bits.
constexpr unsigned kHintDate = 0x1, kHintPlace = 0x2, kHintOptions = 0x8, kHintWholeSky = 0x10,
                   kHintZenith = 0x20, kHintHorizon = 0x40, kHintResized = 0x80, kHintFigures = 0x100;

}  // namespace

CZarnView::CZarnView(SkyViewHost& host, QWidget* parent) : QAbstractScrollArea(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Ciel"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    const int dpi = logicalDpiY();
    m_screenLabel.SetFont({"MS Sans Serif", -(13 * dpi / 120), 400});
    m_hoverTimer.setInterval(kHoverDelayMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CZarnView::OnHoverTimer);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CZarnView::OnScrolled);
}

CZarnView::~CZarnView() = default;

SurfaceDevice CZarnView::ScreenDevice() const { return CQtSurface::ScreenDevice(*viewport()); }

void CZarnView::OnHint(unsigned hint, bool fromSelf)
{
    if (hint & (0x1000 | 0x2000 | 0x4000))
        return;
    if (hint & (kHintDate | kHintPlace | kHintOptions | kHintWholeSky | kHintZenith | kHintHorizon | kHintResized))
        HideLabel();
    // The user objects were made again: the object under the mouse may be gone.
    if (hint & kHintOptions) {
        m_hoverTimer.stop();
        m_hovered.reset();
    }
    if (hint & kHintFigures) {
        if (!fromSelf)
            return;
        m_host.CurrentChart().SetOffscreen();
    }
    if (hint & (kHintWholeSky | kHintZenith)) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        horizontalScrollBar()->setRange(0, 0);
    }
    if (hint & kHintResized) {
        m_stripWidth = 6 * viewport()->height();
        m_host.SetStripWidth(m_stripWidth);
    }
    if (hint & kHintHorizon)
        UpdateStrip(hint & kHintResized);
    if (hint & (kHintDate | kHintPlace | kHintOptions | kHintResized))
        m_host.RecomputeSky();
    if (hint & (kHintDate | kHintPlace))
        m_host.SkyRecomputed();
    // Every hint ends in a repaint (the window is always painted whole).
    viewport()->update();
}

void CZarnView::UpdateStrip(bool keepFraction)
{
    if (m_stripWidth <= 0)
        m_stripWidth = 6 * viewport()->height();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int client = viewport()->width();
    m_settingScroll = true;
    horizontalScrollBar()->setRange(0, std::max(0, m_stripWidth - client));
    horizontalScrollBar()->setPageStep(std::max(1, m_stripWidth / 16));
    m_settingScroll = false;
    if (keepFraction) {
        SetScroll(static_cast<int>(std::lround(m_stripWidth * m_scrollFraction)));
    } else {
        // The middle of the strip (the chosen direction) in the middle of the window.
        SetScroll(static_cast<int>(std::lround(3.0 * viewport()->height() - client / 2.0)));
        m_scrollFraction = m_stripWidth > 0 ? horizontalScrollBar()->value() / double(m_stripWidth) : 0.0;
    }
}

void CZarnView::SetScroll(int value)
{
    m_settingScroll = true;
    horizontalScrollBar()->setValue(value);
    m_settingScroll = false;
}

void CZarnView::OnScrolled(int value)
{
    if (m_stripWidth > 0)
        m_scrollFraction = value / double(m_stripWidth);
    if (m_settingScroll)
        return;
    if (m_host.CurrentChart().kind() == CCarte::Horizon) {
        m_host.HorizonChart().SetDirection(CCarteHorizon::kKeepAngle);
        m_host.StripScrolled();
    }
    viewport()->update();
}

void CZarnView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_stripWidth = 6 * viewport()->height();
    m_host.SetStripWidth(m_stripWidth);
    if (m_host.CurrentChart().kind() == CCarte::Horizon)
        UpdateStrip(true);
}

void CZarnView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    Paint(painter, viewport()->size());
}

void CZarnView::RenderTo(QImage& image)
{
    QPainter painter(&image);
    Paint(painter, image.deviceIndependentSize().toSize());
}

void CZarnView::Paint(QPainter& painter, QSize size)
{
    CCarte& chart = m_host.CurrentChart();
    const PaletteColours palette = m_host.Palette();
    const bool horizon = chart.kind() == CCarte::Horizon;
    // The area round a round chart keeps the window's light colour.
    painter.fillRect(QRect(QPoint(0, 0), size), horizon ? palette[kSkyPaletteEntry] : this->palette().color(QPalette::Midlight));

    SurfaceDevice device = ScreenDevice();
    CQtSurface dc(painter, palette, device);
    const SRect client{0, 0, size.width(), size.height()};
    dc.SetOrigin({horizon ? -horizontalScrollBar()->value() : 0, 0});
    m_origin = chart.GetOrigin(dc, client);
    dc.SetOrigin(m_origin);
    m_paintRect = client.translated(-m_origin.x, -m_origin.y);

    m_drawFlags = skyDrawFlags(m_host.Display(), chart.kind(), false);
    m_printLabel.ClearOccupied();
    const CInstant& instant = m_host.Instant();
    m_host.ShowInstant(instant.placeText(), instant.dateText(), instant.timeText());
    m_labelDrawn = false;
    chart.Draw(dc, m_paintRect, m_drawFlags);
    if (!m_labelText.empty() && !m_labelDrawn)
        ShowLabel(dc, m_labelText, m_labelAnchor);
}

void CZarnView::ShowLabel(CSurface& dc, const std::string& text, SPoint at)
{
    m_labelText = text;
    m_labelAnchor = at;
    if (text.empty())
        return;
    // To the right of points in the left half of the window, else to the left.
    const int centre = (m_paintRect.left + m_paintRect.right) / 2;
    const int code = at.x < centre ? CVueNoms::kRight : CVueNoms::kLeft;
    m_screenLabel.Show(dc, text, at, code, 2 * dc.Millimetre().cx);
    m_labelDrawn = true;
}

void CZarnView::HideLabel()
{
    const SRect box = m_screenLabel.Hide();
    m_labelText.clear();
    if (!box.isEmpty())
        viewport()->update(QRect(box.left + m_origin.x, box.top + m_origin.y, box.width(), box.height()).adjusted(-2, -2, 2, 2));
}

SPoint CZarnView::ToChart(QPoint windowPoint) const { return {windowPoint.x() - m_origin.x, windowPoint.y() - m_origin.y}; }

ChartHit CZarnView::HitAt(QPoint windowPoint, bool* insideChart)
{
    CCarte& chart = m_host.CurrentChart();
    const SurfaceDevice device = ScreenDevice();
    CFactsSurface facts(device.screenWidth, device.dpiY);
    const SPoint point = ToChart(windowPoint);
    const SRect adjusted = chart.AdjustRect(m_paintRect);
    if (chart.IsHiddenByGround(adjusted, point.x, point.y))
        facts.SetClip({SClip::Empty, {}});
    else
        facts.SetClip(chart.CreateClipRegion(adjusted));
    if (insideChart)
        *insideChart = facts.IsPointVisible(point.x, point.y);
    return chart.HitTest(point, facts, m_drawFlags);
}

void CZarnView::mouseMoveEvent(QMouseEvent* event)
{
    const ChartHit hit = HitAt(event->position().toPoint(), nullptr);
    m_hovered.reset();
    if (hit.placed)
        m_hovered = *hit.placed;
    m_hoverTimer.stop();
    if (hit.precise) {
        m_hoverTimer.start();
        return;
    }
    // Back to the selected object's name, if it has one on this chart.
    CAstre* selected = m_host.SelectedObject();
    if (!selected) {
        HideLabel();
        return;
    }
    const std::string name = selected->GetName();
    if (m_labelText != name) {
        HideLabel();
        if (const PlacedObject* placed = m_host.CurrentChart().ScreenPlacementOf(selected)) {
            m_labelText = name;
            m_labelAnchor = {placed->x, placed->y};
            viewport()->update();
        }
    }
}

void CZarnView::OnHoverTimer()
{
    if (!m_hovered)
        return;
    const std::string name = m_hovered->object->GetName();
    const SPoint anchor{m_hovered->x, m_hovered->y};
    if (m_labelText == name && m_labelAnchor == anchor)
        return;  // already shown: nothing to repaint
    if (m_labelText != name)
        HideLabel();
    m_labelText = name;
    m_labelAnchor = anchor;
    viewport()->update();
}

void CZarnView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        bool inside = false;
        const ChartHit hit = HitAt(event->position().toPoint(), &inside);
        m_hovered.reset();
        if (hit.placed)
            m_hovered = *hit.placed;
        if (hit.placed && inside) {
            const std::string constellation = m_host.ConstellationOf(*hit.placed->object);
            if (!constellation.empty()) {
                CCarte& chart = m_host.CurrentChart();
                const double scale = chart.GetScale(chart.AdjustRect(m_paintRect));
                const SPoint point = ToChart(event->position().toPoint());
                double ra = 0.0;
                double dec = 0.0;
                if (scale > 0.0)
                    chart.ChartToSky(point.x / scale, point.y / scale, ra, dec);
                m_host.StarClicked(constellation, ra, dec);
                m_hoverTimer.stop();
            }
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CZarnView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const CommandLookup command = [this](int id) { return m_host.Action(id); };
    addChartMenuItems(menu, command, [this] { PrintPreview(); }, true);
    if (CAstre* selected = m_host.SelectedObject()) {
        menu.addSeparator();
        addCommandItem(menu, command, kEphemerides, ("Éphémérides " + selected->GetName()).c_str());
    }
    menu.exec(event->globalPos());
}

}  // namespace zarn
