// SPDX-License-Identifier: GPL-3.0-or-later
// The charts as they stood before names, zoom and grids were added: the
// whole sky, the zenith and the horizon charts on screen and the printed
// whole-sky page, for Paris on 23 September 1998 at 22.30, compared with
// images committed beside this test. With the screen names, the grid and
// zoom left at their "off" settings nothing may change.
// ZARN_WRITE_REFERENCES=1 writes the images again (only on purpose).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "ReferenceImage.h"
#include "SkyWindowTestHost.h"
#include "charts/CCarteHorizon.h"
#include "charts/CQtSurface.h"
#include "charts/ui/CZarnView.h"
#include "charts/PrintPage.h"

namespace zarn {
namespace {

using test::SkyWindowTestHost;

QImage screenChart(SkyWindowTestHost& host, int kind, QSize size)
{
    host.kind = kind;
    CZarnView view(host);
    view.resize(size);
    host.charts->AttachView(&view);
    view.show();
    QCoreApplication::processEvents();
    if (kind == CCarte::Horizon) {
        host.charts->Horizon().SetDirection(0);
        view.OnHint(0x80, true);
        view.OnHint(0x40, true);
        QCoreApplication::processEvents();
    }
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    view.RenderTo(image);
    host.charts->AttachView(nullptr);
    return image;
}

TEST(ChartReference, ScreenChartsAtZoomOneAsBefore)
{
    // The horizon's landscape is seeded from the C library's generator: the
    // sequence of a program that has just started.
    std::srand(1);
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.display.starColouring = 1;
    host.display.names.bodies = 0;  // the names the screen charts now write, off
    test::expectLikeReference(screenChart(host, CCarte::WholeSky, QSize(800, 600)), QStringLiteral("whole-sky"));
    test::expectLikeReference(screenChart(host, CCarte::Zenith, QSize(700, 700)), QStringLiteral("zenith"));
    test::expectLikeReference(screenChart(host, CCarte::Horizon, QSize(900, 320)), QStringLiteral("horizon-south"));
}

TEST(ChartReference, PrintedWholeSkyPageAsBefore)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.display.names.bodies = 0;
    // A page of 1240 × 1754 dots (A4 at 150 dots per inch) drawn with the
    // printer's branches, star names on.
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    SurfaceDevice device = CQtSurface::ScreenDevice(page);
    device.printer = true;
    device.dpiX = device.dpiY = 150;
    CQtSurface dc(painter, host.Palette(), device);
    CCarte& chart = host.charts->WholeSky();
    chart.ClearPrintPlacements();
    host.charts->PrintLabel().SetFont({"MS Serif", -4 * dc.Millimetre().cy, 300});
    host.charts->PrintLabel().ClearOccupied();
    const SRect rect = chartPageRect(page.width(), page.height(), 150, false);
    const SPoint origin = chart.GetOrigin(dc, rect);
    dc.SetOrigin(origin);
    chart.Draw(dc, rect.translated(-origin.x, -origin.y), skyDrawFlags(host.display, CCarte::WholeSky, true));
    painter.end();
    test::expectLikeReference(page, QStringLiteral("printed-whole-sky"));
}

}  // namespace
}  // namespace zarn
