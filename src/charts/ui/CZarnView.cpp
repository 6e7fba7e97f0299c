// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/CZarnView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <cstdio>

#include "charts/CCarteHorizon.h"
#include "charts/ui/ChartMenu.h"
#include "charts/CFactsSurface.h"
#include "charts/CQtSurface.h"
#include "charts/ChosenMark.h"
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
    if (bits & (WholeSky | Zenith | Horizon)) {
        m_zoom.Reset();  // another chart, or the same, is shown whole
        if (!m_strip.IsWhole()) {
            m_strip.Reset();
            m_stripWidth = StripWidthNow();
            m_host.SetStripWidth(m_stripWidth);
        }
        m_host.ZoomChanged(true);
    }
    if (bits & (WholeSky | Zenith)) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        horizontalScrollBar()->setRange(0, 0);
    }
    if (bits & Resized) {
        m_stripWidth = StripWidthNow();
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

int CZarnView::StripWidthNow() const { return 6 * m_strip.StripHeight(viewport()->height()); }

void CZarnView::SetStripRange()
{
    m_settingScroll = true;
    horizontalScrollBar()->setRange(0, std::max(0, m_stripWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(std::max(1, m_stripWidth / 16));
    m_settingScroll = false;
}

void CZarnView::UpdateStrip()
{
    if (m_stripWidth <= 0)
        m_stripWidth = StripWidthNow();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int client = viewport()->width();
    SetStripRange();
    if (!m_facing) {
        // Scrolled by the user: the same part of the sky after a resize.
        SetScroll(static_cast<int>(std::lround(m_stripWidth * m_scrollFraction)));
    } else {
        // The middle of the strip (the faced direction) in the middle of the
        // window, also after a resize.
        SetScroll(static_cast<int>(std::lround(m_stripWidth / 2.0 - client / 2.0)));
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
    StripMovedByUser();
    viewport()->update();
}

void CZarnView::StripMovedByUser()
{
    m_facing = false;
    if (OnHorizon()) {
        m_host.HorizonChart().SetDirection(CCarteHorizon::kKeepAngle);
        m_host.StripScrolled();
    }
}

void CZarnView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ForgetPlacements();
    m_stripWidth = StripWidthNow();
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
    const SSize clientSize{size.width(), size.height()};
    // A magnified round chart is laid out in a larger rectangle and moved so
    // that the chosen middle is in the middle of the window; the horizon
    // strip is scrolled along, and raised above the horizon when magnified.
    const SRect layout = horizon ? SRect{0, 0, size.width(), size.height()} : m_zoom.Layout(clientSize);
    dc.SetOrigin(horizon ? SPoint{-horizontalScrollBar()->value(), m_strip.LiftUnits(size.height())} : SPoint{0, 0});
    const SPoint layoutOrigin = chart.GetOrigin(dc, layout);
    m_paintRect = layout.translated(-layoutOrigin.x, -layoutOrigin.y);
    m_scale = chart.GetScale(chart.AdjustRect(m_paintRect));
    m_origin = horizon ? layoutOrigin : m_zoom.Origin(layoutOrigin, m_scale, clientSize);
    dc.SetOrigin(m_origin);
    if (!chart.ScreenStars().empty() && chart.ScreenScale() != m_scale)
        chart.ClearScreenPlacements();  // magnified or reduced: placed again
    if (!m_zoom.IsWhole())
        chart.CancelOffscreen();  // an image of the magnified chart would be huge

    m_drawFlags = skyDrawFlags(m_host.Display(), chart.kind(), false);
    m_printLabel.ClearOccupied();
    const CInstant& instant = m_host.Instant();
    m_host.ShowInstant(instant.placeText(), instant.dateText(), instant.timeText());
    m_labelDrawn = false;
    chart.Draw(dc, m_paintRect, m_drawFlags);
    DrawNames(dc, chart);
    DrawChosen(dc, chart, size);
    if (!m_labelText.empty() && !m_labelDrawn)
        ShowLabelOf(dc, m_labelObject, m_labelText, m_labelAnchor);
}

void CZarnView::DrawNames(CSurface& dc, CCarte& chart)
{
    const ScreenNameOptions options = m_host.Display().names;
    if (!options.any())
        return;
    dc.Save();
    dc.SetClip(chart.CreateClipRegion(chart.AdjustRect(m_paintRect)));
    const SFont& font = m_screenLabel.Font();
    const double zoom = OnHorizon() ? m_strip.Factor() : m_zoom.Factor();
    // A magnified or scrolled chart's names are placed again for each part
    // of it shown, so that the window's edges cut none.
    const SRect shown = OnHorizon() || Magnified() ? WindowInChart() : SRect{};
    m_names.PlaceIfChanged(dc, chart, options, zoom, font, m_drawFlags, shown);
    m_names.Draw(dc, m_labelText.empty() ? nullptr : m_labelObject);
    dc.Restore();
}

void CZarnView::DrawChosen(CSurface& dc, CCarte& chart, QSize client)
{
    CAstre* chosen = m_host.SelectedObject();
    if (!chosen) {
        m_description = {};
        m_describedFor.clear();
        return;
    }
    if (const PlacedObject* placed = chart.ScreenPlacementOf(chosen)) {
        dc.Save();
        dc.SetClip(chart.CreateClipRegion(chart.AdjustRect(m_paintRect)));
        drawReticle(dc, {placed->x, placed->y}, std::max(chosen->ScreenRadius(dc) + 6, 10));
        dc.Restore();
    }
    // Described again for another object, date or place.
    const CInstant& instant = m_host.Instant();
    char key[96];
    std::snprintf(key, sizeof key, "%p %.12f %.9f %.9f", static_cast<const void*>(chosen), instant.centuries(),
                  instant.place().longitude(), instant.place().latitude());
    if (m_describedFor != key) {
        m_description = m_host.Describe(*chosen);
        m_describedFor = key;
    }
    dc.Save();
    dc.ClipNone();
    dc.SetOrigin({0, 0});
    drawDescriptionPanel(dc, m_description, m_screenLabel.Font(), client.width());
    dc.Restore();
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

SRect CZarnView::WindowInChart() const
{
    return {-m_origin.x, -m_origin.y, viewport()->width() - m_origin.x, viewport()->height() - m_origin.y};
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
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        const QPoint at = event->position().toPoint();
        if (!m_dragging && (at - m_dragFrom).manhattanLength() > 3)
            m_dragging = true;
        if (m_dragging) {
            PanBy(at - m_dragFrom);
            m_dragFrom = at;
            return;
        }
    }
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

void CZarnView::ClickAt(QPoint windowPoint)
{
    bool inside = false;
    const ChartHit hit = HitAt(windowPoint, &inside);
    m_hovered.reset();
    if (hit.placed)
        m_hovered = *hit.placed;
    if (!hit.placed || !inside)
        return;
    const std::string constellation = m_host.ConstellationOf(*hit.placed->object);
    if (constellation.empty())
        return;
    // The map is centred on the star itself, not on the point clicked beside
    // it, so that the cursor lands on the star.
    const CAstre& object = *hit.placed->object;
    m_host.StarClicked(constellation, object.GetAlpha(), object.GetDelta());
    m_hoverTimer.stop();
}

void CZarnView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (!Magnified()) {
            ClickAt(event->position().toPoint());
        } else {
            // On a magnified chart the button may start a drag: the click
            // counts when it is let go where it was pressed.
            m_pressed = true;
            m_dragging = false;
            m_dragFrom = event->position().toPoint();
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CZarnView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (!m_dragging)
            ClickAt(event->position().toPoint());
        m_dragging = false;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

bool CZarnView::Zoomable() const
{
    const int kind = m_host.CurrentChart().kind();
    return kind == CCarte::WholeSky || kind == CCarte::Zenith || kind == CCarte::Horizon;
}

bool CZarnView::OnHorizon() const { return m_host.CurrentChart().kind() == CCarte::Horizon; }

bool CZarnView::Magnified() const { return OnHorizon() ? !m_strip.IsWhole() : !m_zoom.IsWhole(); }

double CZarnView::ScaleAt(double factor)
{
    CCarte& chart = m_host.CurrentChart();
    const SRect layout = ChartZoom::LayoutAt({viewport()->width(), viewport()->height()}, factor);
    return chart.GetScale(chart.AdjustRect(layout));
}

void CZarnView::ZoomStrip(double ratio, QPoint at)
{
    const SSize client{viewport()->width(), viewport()->height()};
    const int scroll = m_strip.ZoomAround(ratio, {at.x(), at.y()}, client, horizontalScrollBar()->value());
    m_stripWidth = StripWidthNow();
    m_host.SetStripWidth(m_stripWidth);
    SetStripRange();
    SetScroll(scroll);
    // The strip no longer faces a direction: its buttons bring it back whole.
    StripMovedByUser();
}

void CZarnView::ZoomBy(double ratio, QPoint at)
{
    if (!Zoomable() || m_scale <= 0.0)
        return;
    const double before = OnHorizon() ? m_strip.Factor() : m_zoom.Factor();
    if (OnHorizon())
        ZoomStrip(ratio, at);
    else
        m_zoom.ZoomAround(ratio, {at.x(), at.y()}, m_origin, m_scale, {viewport()->width(), viewport()->height()},
                          [this](double factor) { return ScaleAt(factor); });
    const double after = OnHorizon() ? m_strip.Factor() : m_zoom.Factor();
    if (after == before)
        return;
    m_host.ZoomChanged(after <= ChartZoom::kMin);
    // The label's anchor belongs to the placements made at the old scale.
    HideLabel();
    m_hovered.reset();
    m_hoverTimer.stop();
    viewport()->update();
}

void CZarnView::PanBy(QPoint delta)
{
    if (!Zoomable() || !Magnified())
        return;
    if (OnHorizon()) {
        // Up and down within the strip; along it by the scroll bar, as the
        // user would scroll it.
        m_strip.RaiseBy(delta.y(), viewport()->height());
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
    } else {
        m_zoom.PanBy(delta.x(), delta.y(), m_scale);
    }
    viewport()->update();
}

void CZarnView::ShowWholeChart()
{
    if (!Magnified())
        return;
    if (OnHorizon()) {
        // The strip whole again, the same direction in the middle of the window.
        ZoomBy(ChartZoom::kMin / m_strip.Factor(), QPoint(viewport()->width() / 2, viewport()->height() / 2));
        return;
    }
    m_zoom.Reset();
    m_host.ZoomChanged(true);
    HideLabel();
    m_hovered.reset();
    viewport()->update();
}

void CZarnView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (!Zoomable() || delta == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // One notch of the wheel magnifies by a quarter.
    ZoomBy(std::pow(1.25, delta / 120.0), event->position().toPoint());
    event->accept();
}

bool CZarnView::PanByKey(int key)
{
    // On the whole horizon strip the arrows keep moving its scroll bar.
    if (OnHorizon() && !Magnified())
        return false;
    const int stepX = viewport()->width() / 8;
    const int stepY = viewport()->height() / 8;
    // The arrows look further that way: the sky moves the other way.
    switch (key) {
    case Qt::Key_Left: PanBy({stepX, 0}); return true;
    case Qt::Key_Right: PanBy({-stepX, 0}); return true;
    case Qt::Key_Up: PanBy({0, stepY}); return true;
    case Qt::Key_Down: PanBy({0, -stepY}); return true;
    default: return false;
    }
}

void CZarnView::keyPressEvent(QKeyEvent* event)
{
    const QPoint middle(viewport()->width() / 2, viewport()->height() / 2);
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (Zoomable() && plain) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: ZoomBy(1.5, middle); return;
        case Qt::Key_Minus: ZoomBy(1 / 1.5, middle); return;
        case Qt::Key_Home:
        case Qt::Key_0: ShowWholeChart(); return;
        default:
            if (PanByKey(event->key()))
                return;
            break;
        }
    }
    if (event->key() == Qt::Key_Escape && m_host.SelectedObject()) {
        HideLabel();
        m_host.ClearSelection();
        viewport()->update();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
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
