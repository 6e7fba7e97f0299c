#include "charts/ui/CZarnView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "charts/CCarteHorizon.h"
#include "charts/ui/ChartMenu.h"
#include "charts/CFactsSurface.h"
#include "charts/CQtSurface.h"
#include "ui/Hints.h"
#include "ui/CommandIds.h"
#include "sky/CAstre.h"
#include "time/CInstant.h"

namespace zarn {

namespace {

constexpr int kHoverDelayMs = 300;

}  // namespace

CZarnView::CZarnView(SkyViewHost& host, QWidget* parent) : QAbstractScrollArea(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Ciel"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Hover names at least 9 points high, except on a 640-pixel screen.
    const int dpi = logicalDpiY();
    const bool smallScreen = CQtSurface::ScreenDevice(*this).screenWidth == 640;
    const int height = 13 * dpi / 120;
    m_screenLabel.SetFont({"MS Sans Serif", -(smallScreen ? height : std::max(height, 9 * dpi / 72)), 400});
    m_hoverTimer.setInterval(kHoverDelayMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CZarnView::OnHoverTimer);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CZarnView::OnScrolled);
}

CZarnView::~CZarnView() = default;

SurfaceDevice CZarnView::ScreenDevice() const { return CQtSurface::ScreenDevice(*viewport()); }

void CZarnView::OnHint(unsigned bits, bool fromSelf)
{
    using namespace zarn::hint;
    if (bits & (Catalogue | Animation | Grid))
        return;
    // The objects are placed anew (or made again, for the user objects): a
    // name shown at the old place of its object goes, and the object found
    // under the resting mouse is forgotten, lest its name come back there.
    if (bits & (Date | Place | UserObjects | WholeSky | Zenith | Horizon | Resized | Options | AltitudeScale))
        ForgetPlacements();
    if (bits & Figures) {
        if (!fromSelf)
            return;
        m_host.CurrentChart().SetOffscreen();
    }
    if (bits & (WholeSky | Zenith)) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        horizontalScrollBar()->setRange(0, 0);
    }
    if (bits & Resized) {
        m_stripWidth = 6 * viewport()->height();
        m_host.SetStripWidth(m_stripWidth);
    }
    if (bits & Horizon) {
        // A direction or a target chosen anew is faced in the middle.
        if (!(bits & Resized))
            m_facing = true;
        UpdateStrip();
    }
    if (bits & (Date | Place | UserObjects | Resized))
        m_host.RecomputeSky();
    if (bits & (Date | Place))
        m_host.SkyRecomputed();
    // Every hint ends in a repaint (the window is always painted whole).
    viewport()->update();
}

void CZarnView::ForgetPlacements()
{
    m_hoverTimer.stop();
    m_hovered.reset();
    HideLabel();
}

void CZarnView::UpdateStrip()
{
    if (m_stripWidth <= 0)
        m_stripWidth = 6 * viewport()->height();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int client = viewport()->width();
    m_settingScroll = true;
    horizontalScrollBar()->setRange(0, std::max(0, m_stripWidth - client));
    horizontalScrollBar()->setPageStep(std::max(1, m_stripWidth / 16));
    m_settingScroll = false;
    if (!m_facing) {
        // Scrolled by the user: the same part of the sky after a resize.
        SetScroll(static_cast<int>(std::lround(m_stripWidth * m_scrollFraction)));
    } else {
        // The middle of the strip (the faced direction) in the middle of the
        // window, also after a resize.
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
    m_facing = false;
    if (m_host.CurrentChart().kind() == CCarte::Horizon) {
        m_host.HorizonChart().SetDirection(CCarteHorizon::kKeepAngle);
        m_host.StripScrolled();
    }
    viewport()->update();
}

void CZarnView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ForgetPlacements();
    m_stripWidth = 6 * viewport()->height();
    m_host.SetStripWidth(m_stripWidth);
    // The charts' scales follow the window (the time bar shown or hidden
    // changes it without a resize of the main window): place everything again.
    m_host.RecomputeSky();
    if (m_host.CurrentChart().kind() == CCarte::Horizon)
        UpdateStrip();
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
        ShowLabelOf(dc, m_labelObject, m_labelText, m_labelAnchor);
}

void CZarnView::ShowLabel(CSurface& dc, const std::string& text, SPoint at)
{
    // The charts name the selected object.
    ShowLabelOf(dc, m_host.SelectedObject(), text, at);
}

void CZarnView::ShowLabelOf(CSurface& dc, const CAstre* object, const std::string& text, SPoint at)
{
    m_labelObject = object;
    m_labelText = text;
    m_labelAnchor = at;
    if (text.empty())
        return;
    // To the right of points in the left half of the window, else to the left.
    const int centre = (m_paintRect.left + m_paintRect.right) / 2;
    const int code = at.x < centre ? CVueNoms::kRight : CVueNoms::kLeft;
    // Two millimetres away, and never over the object's own symbol.
    const int clearance = object ? object->ScreenRadius(dc) + 3 : 0;
    m_screenLabel.Show(dc, text, at, code, std::max(2 * dc.Millimetre().cx, clearance));
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
            m_labelObject = selected;
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
    m_labelObject = m_hovered->object;
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
                // The map is centred on the star itself, not on the point
                // clicked beside it, so that the cursor lands on the star.
                const CAstre& object = *hit.placed->object;
                m_host.StarClicked(constellation, object.GetAlpha(), object.GetDelta());
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
        addCommandItem(menu, command, cmd::SolarSystem, ("Éphémérides " + selected->GetName()).c_str());
    }
    menu.exec(event->globalPos());
}

}  // namespace zarn
