// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/CConstellationsView.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QStyle>

#include <algorithm>

#include "charts/CFactsSurface.h"
#include "charts/ui/ChartMenu.h"
#include "charts/ChartPrintDialogs.h"
#include "charts/PagePrinting.h"
#include "charts/PrintPage.h"
#include "sky/CAstre.h"
#include "sky/CConstellation.h"
#include "sky/SkyModel.h"
#include "sky/StarStatus.h"

namespace zarn {

namespace {

// What the hit test of a mouse move asks the objects to answer for.
constexpr std::uint32_t kHoverFlags = 0x70;

// The map's own cursor: a thin cross with an open centre, so that the star
// under it stays visible.
QCursor mapCursor()
{
    QPixmap picture(21, 21);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (const QColor& colour : {QColor(Qt::black), QColor(Qt::white)}) {
        const int width = colour == Qt::black ? 3 : 1;
        painter.setPen(QPen(colour, width));
        painter.drawLine(10, 0, 10, 6);
        painter.drawLine(10, 14, 10, 20);
        painter.drawLine(0, 10, 6, 10);
        painter.drawLine(14, 10, 20, 10);
    }
    return QCursor(picture, 10, 10);
}

}  // namespace

CConstellationsView::CConstellationsView(ConstellationsViewHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_chart(host.ChartSky())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(mapCursor());
    setFocusPolicy(Qt::StrongFocus);
    // The sky window's label font, for the names and the grid.
    m_screenLabel.SetFont(host.LabelFont(logicalDpiY()));
    m_chart.SetScreenFont(m_screenLabel.Font());
    m_printLabel.SetLabelCodes(&host.Sky().labels());
    m_chart.SetLabelWindow(&m_printLabel);
}

CConstellationsView::~CConstellationsView() = default;

QString CConstellationsView::Caption(const CConstellation& c)
{
    return QString::fromStdString("  " + c.name() + "  -  " + c.secondName() + "  -  " + c.thirdName());
}

void CConstellationsView::SetConstellation(const CConstellation* constellation)
{
    m_chart.SetConstellation(constellation);
    m_chart.ClearPlacements();
    m_screenLabel.Hide();
    m_labelText.clear();
    if (constellation)
        emit captionChanged(Caption(*constellation));
    emit statusChanged(QString(), QString());
    update();
}

void CConstellationsView::Refresh()
{
    m_chart.ClearPlacements();
    update();
}

SurfaceDevice CConstellationsView::ScreenDevice() const { return CQtSurface::ScreenDevice(*this); }

void CConstellationsView::UpdateGeometry(QSize client)
{
    const SRect rect{0, 0, client.width(), client.height()};
    CFactsSurface facts(ScreenDevice().screenWidth, logicalDpiY());
    const SPoint origin = m_chart.GetOrigin(facts, rect);
    if (!(origin == m_origin) || m_paintRect.isEmpty() || m_paintRect.height() != rect.height()) {
        // A new size means a new scale: the placements are made again.
        m_chart.ClearScreenPlacements();
    }
    m_origin = origin;
    m_paintRect = rect.translated(-origin.x, -origin.y);
}

QPoint CConstellationsView::ToWindow(SPoint p) const { return {p.x + m_origin.x, p.y + m_origin.y}; }

void CConstellationsView::paintEvent(QPaintEvent*)
{
    UpdateGeometry(size());
    const PaletteColours palette = m_host.Palette();
    QPainter painter(this);
    painter.fillRect(rect(), palette[kSkyPaletteEntry]);
    CQtSurface dc(painter, palette, ScreenDevice());
    dc.SetOrigin(m_origin);
    m_drawFlags = constellationDrawFlags(m_host.Display(), false);
    m_printLabel.ClearOccupied();
    m_chart.SetOffscreen();
    m_chart.Draw(dc, m_paintRect, m_drawFlags);
    DrawNames(dc);
    if (m_cursorPending) {
        // The mouse was put on a position: name what lies under it.
        m_cursorPending = false;
        Hover(m_cursorPoint);
    }
    // A hovered object named on the map already keeps its name where it
    // was placed, clear of the others.
    if (!m_labelText.empty() && !HasScreenName(m_labelObject))
        ShowLabel(dc, m_labelText, m_labelAnchor);
}

bool CConstellationsView::HasScreenName(const CAstre* object) const
{
    return object && std::any_of(m_names.Names().begin(), m_names.Names().end(),
                                 [object](const ScreenName& n) { return n.object == object; });
}

void CConstellationsView::DrawNames(CSurface& dc)
{
    const ScreenNameOptions options = m_host.Display().names;
    if (!options.any())
        return;
    dc.Save();
    dc.SetClip(m_chart.CreateClipRegion(m_paintRect));
    // The map is the whole-sky chart magnified: as many names as that chart
    // zoomed as far would write.
    m_names.PlaceIfChanged(dc, m_chart, options, m_chart.Magnification(), m_screenLabel.Font(), m_drawFlags);
    m_names.Draw(dc);
    dc.Restore();
}

void CConstellationsView::CentreOn(double ra, double dec)
{
    UpdateGeometry(size());
    const SPoint at = m_chart.PlaceAt(ra, dec, m_paintRect);
    m_cursorPoint = ToWindow(at);
    QCursor::setPos(mapToGlobal(m_cursorPoint));
    m_cursorPending = true;
    update();
}

void CConstellationsView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_cursorPending)
        Hover(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void CConstellationsView::Hover(QPoint windowPoint)
{
    const SPoint point{windowPoint.x() - m_origin.x, windowPoint.y() - m_origin.y};
    // The bottom band as high as a window caption is left out of the hit test.
    SRect inside = m_paintRect;
    inside.bottom -= style()->pixelMetric(QStyle::PM_TitleBarHeight);
    CFactsSurface facts(ScreenDevice().screenWidth, logicalDpiY());
    facts.SetClip({SClip::Rect, inside});
    ChartHit hit;
    if (facts.IsPointVisible(point.x, point.y))
        hit = m_chart.HitTest(point, facts, kHoverFlags);

    StarStatusTexts status;
    if (hit.precise)
        status = starStatusTexts(*hit.placed->object, m_host.Sky());
    emit statusChanged(QString::fromStdString(status.first), QString::fromStdString(status.second));

    if (!hit.precise || hit.name.empty()) {
        HideLabel();
        return;
    }
    const SPoint anchor{hit.placed->x, hit.placed->y};
    if (hit.name == m_labelText && anchor == m_labelAnchor)
        return;
    HideLabel();
    m_labelText = hit.name;
    m_labelObject = hit.placed->object;
    m_labelAnchor = anchor;
    update();
}

void CConstellationsView::ShowLabel(CSurface& dc, const std::string& text, SPoint at)
{
    // To the right of points in the left half of the map, else to the left.
    const int centre = (m_paintRect.left + m_paintRect.right) / 2;
    const int code = at.x < centre ? CVueNoms::kRight : CVueNoms::kLeft;
    m_screenLabel.Show(dc, text, at, code, 2 * dc.Millimetre().cx);
}

void CConstellationsView::HideLabel()
{
    if (m_labelText.empty())
        return;
    const SRect box = m_screenLabel.Hide();
    m_labelText.clear();
    m_labelObject = nullptr;
    update(QRect(ToWindow({box.left, box.top}), QSize(box.width(), box.height())).adjusted(-2, -2, 2, 2));
}

void CConstellationsView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    addChartMenuItems(
        menu, [this](int id) { return m_host.Action(id); }, [this] { PrintPreview(); }, false);
    menu.exec(event->globalPos());
}

void CConstellationsView::PrintMap(QPrinter& printer, bool preview)
{
    // The sky window's page, always grown at top and bottom.
    printChartPage({printer, preview, ScreenDevice(), m_host.Palette(), true}, m_chart, m_printLabel,
                   constellationDrawFlags(m_host.Display(), true));
}

void CConstellationsView::PrintPreview()
{
    runChartPreview(
        this, [this](QPrinter& p, bool preview) { PrintMap(p, preview); }, m_host.Display().printStarNames != 0,
        [this](bool on) { m_host.SetPrintStarNames(on); }, m_host.ViewButtonBar());
    update();
}

void CConstellationsView::Print()
{
    printPage(this, QPageLayout::Portrait, QStringLiteral("constellation.pdf"),
              [this](QPrinter& printer) { PrintMap(printer, false); });
}

}  // namespace zarn
