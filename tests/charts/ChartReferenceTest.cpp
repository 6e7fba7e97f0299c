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

#include "SkyWindowTestHost.h"
#include "charts/CCarteHorizon.h"
#include "charts/CQtSurface.h"
#include "charts/ui/CZarnView.h"
#include "charts/PrintPage.h"

namespace zarn {
namespace {

using test::SkyWindowTestHost;

QString referencePath(const QString& name)
{
    return QString::fromUtf8(ZARN_SOURCE_DIR) + QStringLiteral("/tests/charts/reference/") + name + QStringLiteral(".png");
}

// Antialiased edges may move by a shade; a changed layer moves many pixels.
void expectLikeReference(const QImage& image, const QString& name)
{
    if (std::getenv("ZARN_WRITE_REFERENCES")) {
        ASSERT_TRUE(image.save(referencePath(name)));
        return;
    }
    QImage reference(referencePath(name));
    ASSERT_FALSE(reference.isNull()) << name.toStdString();
    reference = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), image.size());
    int different = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor a = image.pixelColor(x, y);
            const QColor b = reference.pixelColor(x, y);
            const int d = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())});
            different += d > 40;
        }
    const bool alike = different <= image.width() * image.height() / 5000;
    // The picture drawn now, beside the temporary files, to look at.
    const QString drawn = QDir::temp().filePath(name + QStringLiteral("-drawn.png"));
    if (!alike)
        image.save(drawn);
    EXPECT_TRUE(alike) << name.toStdString() << ": " << different << " pixels differ; drawn now: " << drawn.toStdString();
}

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
    expectLikeReference(screenChart(host, CCarte::WholeSky, QSize(800, 600)), QStringLiteral("whole-sky"));
    expectLikeReference(screenChart(host, CCarte::Zenith, QSize(700, 700)), QStringLiteral("zenith"));
    expectLikeReference(screenChart(host, CCarte::Horizon, QSize(900, 320)), QStringLiteral("horizon-south"));
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
    expectLikeReference(page, QStringLiteral("printed-whole-sky"));
}

}  // namespace
}  // namespace zarn
