// SPDX-License-Identifier: GPL-3.0-or-later
// The sky window drawn into images and onto paper for Paris, 23 September
// 1998 at 22.30: properties a person would check, not a golden image.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>

#include "../support/RecordingSurface.h"
#include "SkyWindowTestHost.h"
#include "charts/CCarteHorizon.h"
#include "charts/ui/CZarnView.h"
#include "charts/PrintPage.h"
#include "ui/NightMode.h"
#include "sky/DrawFlags.h"

namespace zarn {
namespace {

using test::SkyWindowTestHost;

QImage render(SkyWindowTestHost& host, CZarnView& view, QSize size)
{
    view.resize(size);
    host.charts->AttachView(&view);
    view.show();
    QCoreApplication::processEvents();
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    view.RenderTo(image);
    if (const char* dir = std::getenv("ZARN_CHART_SHOTS"))
        image.save(QString::fromUtf8(dir) + QStringLiteral("/chart%1.png").arg(host.kind));
    return image;
}

// Share of the pixels of a square that have exactly this colour.
double shareOf(const QImage& image, QRect square, QColor colour)
{
    int same = 0;
    for (int y = square.top(); y <= square.bottom(); ++y)
        for (int x = square.left(); x <= square.right(); ++x)
            same += image.pixelColor(x, y) == colour;
    return same / double(square.width() * square.height());
}

bool anyBrightNear(const QImage& image, QPoint p, int radius)
{
    for (int y = p.y() - radius; y <= p.y() + radius; ++y)
        for (int x = p.x() - radius; x <= p.x() + radius; ++x)
            if (QColor(image.pixel(x, y)).lightness() > 200)
                return true;
    return false;
}

TEST(SkyRender, WholeSkyDiscVegaWhereProjectedAndDirectionLabels)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.palette.setSkyColour(QColor(0, 0, 64));
    CZarnView view(host);
    const QImage image = render(host, view, QSize(800, 600));
    // The disc of side 598 is centred at (400, 300): its middle is the sky.
    EXPECT_GT(shareOf(image, QRect(380, 280, 40, 40), QColor(0, 0, 64)), 0.6);
    // Outside the disc, the window's own colour.
    EXPECT_EQ(image.pixel(20, 20), view.palette().color(QPalette::Midlight).rgb());
    // Vega stands high in the west at this hour: drawn where it is placed.
    CAstre* vega = host.Named("Véga");
    ASSERT_NE(vega, nullptr);
    const PlacedObject* placed = host.charts->WholeSky().ScreenPlacementOf(vega);
    ASSERT_NE(placed, nullptr);
    EXPECT_GT(vega->GetHeight(), std::sin(50 * kRadPerDeg));
    EXPECT_GT(placed->x, 0);  // west is to the right
    EXPECT_EQ(image.pixelColor(400 + placed->x, 300 + placed->y), QColor(Qt::white));
    // Sirius is below the horizon at 22.30 in September: not placed.
    CAstre* sirius = host.Named("Sirius");
    ASSERT_NE(sirius, nullptr);
    EXPECT_EQ(host.charts->WholeSky().ScreenPlacementOf(sirius), nullptr);
    // "SW" on the diagonal just outside the rim: dark text on the light colour.
    const int g = static_cast<int>(598 / 2.0 / std::sqrt(2.0) + 5.0 + 0.5);
    bool dark = false;
    for (int y = 300 + g; y < 300 + g + 12; ++y)
        for (int x = 400 + g; x < 400 + g + 20; ++x)
            dark = dark || QColor(image.pixel(x, y)).lightness() < 60;
    EXPECT_TRUE(dark);
    EXPECT_EQ(host.status, host.instant.placeText() + "|" + host.instant.dateText() + "|" + host.instant.timeText());
}

TEST(SkyRender, HorizonChartHasGroundSkyAndLabelsFacingSouth)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.kind = 2;
    host.charts->Horizon().SetDirection(0);
    CZarnView view(host);
    view.resize(900, 320);
    host.charts->AttachView(&view);
    view.show();
    QCoreApplication::processEvents();
    view.OnHint(0x80, true);  // the window got its size
    view.OnHint(0x40, true);  // the horizon chart was chosen: centred on south
    QCoreApplication::processEvents();
    const QImage image = render(host, view, QSize(900, 320));
    EXPECT_EQ(host.stripWidth, 6 * view.viewport()->height());
    // The bottom row is ground, the row above the ground band is sky.
    const QColor ground = host.palette.color(kGroundPaletteEntry);
    const int h = image.height();
    EXPECT_GT(shareOf(image, QRect(0, h - 2, image.width(), 1), ground), 0.95);
    EXPECT_GT(shareOf(image, QRect(0, h / 2, image.width(), 1), host.palette.color(kSkyPaletteEntry)), 0.8);
    // "S" in the middle of the strip: the strip is centred on it.
    EXPECT_NEAR(view.ScrollFraction(), (3.0 * h - image.width() / 2.0) / (6.0 * h), 0.01);
    // Altair, due south-west and about 45° high, lies in view.
    CAstre* altair = host.Named("Altaïr");
    ASSERT_NE(altair, nullptr);
    const PlacedObject* placed = host.charts->Horizon().ScreenPlacementOf(altair);
    ASSERT_NE(placed, nullptr);
    const int x = placed->x - static_cast<int>(std::lround(view.ScrollFraction() * 6 * h));
    ASSERT_GT(x, 0);
    ASSERT_LT(x, image.width());
    EXPECT_TRUE(anyBrightNear(image, QPoint(x, h + placed->y), 1));
}

TEST(SkyRender, ZenithChartShowsTheZenithCross)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    host.kind = 1;
    CZarnView view(host);
    const QImage image = render(host, view, QSize(600, 600));
    EXPECT_TRUE(view.LastDrawFlags() & draw::kZenithChart);
    // The zenith marker is in the middle of the chart.
    EXPECT_TRUE(anyBrightNear(image, QPoint(300, 300), 3));
}

TEST(SkyRender, PlanetViewTurnsTheStripTowardsJupiterWithItsName)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    CAstre& jupiter = host.sky.bodies().planet(4);
    host.kind = 2;
    host.selected = &jupiter;
    host.charts->SetSelected(&jupiter);
    host.charts->Horizon().SetDirection(CCarteHorizon::kTowardsSelection);
    CZarnView view(host);
    host.charts->AttachView(&view);
    view.resize(900, 320);
    view.show();
    QCoreApplication::processEvents();
    view.OnHint(0x80, true);
    view.OnHint(0x40, true);
    host.kind = 2;
    const QImage image = render(host, view, QSize(900, 320));
    // Near opposition, Jupiter is about 30° high in the south-east: the
    // horizon strip (below 59°) with Jupiter in its middle.
    EXPECT_GT(jupiter.GetHeight(), std::sin(20 * kRadPerDeg));
    EXPECT_LT(jupiter.GetHeight(), std::sin(59 * kRadPerDeg));
    const PlacedObject* placed = host.charts->Horizon().ScreenPlacementOf(&jupiter);
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->x, 3 * view.viewport()->height());
    EXPECT_EQ(view.LabelText(), "Jupiter");
    EXPECT_EQ(host.charts->Horizon().DirectionIndex(), CCarteHorizon::kKeepAngle);
}

TEST(SkyPrint, PageLayoutSquareAndTallerHorizonBand)
{
    // A4 at 600 dots per inch: 4960 x 7016 dots, margins of 236 dots.
    const SRect square = chartPageRect(4960, 7016, 600, false);
    EXPECT_EQ(square, (SRect{236, 1264, 4724, 5752}));
    EXPECT_EQ(square.width(), square.height());
    const SRect band = chartPageRect(4960, 7016, 600, true);
    EXPECT_EQ(band.width(), square.width());
    // 2 × 4.214 % of the width taller than the square.
    EXPECT_EQ(band.height() - square.height(), 2 * static_cast<int>(std::lround(0.04214 * 4488)));
    // A landscape page: the square, its taller band and the 15 mm caption
    // under it stay on the page, centred across it.
    const int caption = static_cast<int>(std::lround(15 * 600 / 25.4));
    for (const bool horizon : {false, true}) {
        const SRect wide = chartPageRect(7016, 4960, 600, horizon);
        EXPECT_GE(wide.top, 0);
        EXPECT_LE(wide.bottom + caption, 4960);
        EXPECT_NEAR(wide.left, 7016 - wide.right, 1);
        EXPECT_GT(wide.width(), 3700);
    }
}

TEST(SkyRender, OffscreenDrawingGivesTheSamePicture)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    CZarnView view(host);
    const QImage direct = render(host, view, QSize(500, 400));
    host.CurrentChart().SetOffscreen();
    QImage viaImage(direct.size(), QImage::Format_RGB32);
    view.RenderTo(viaImage);
    EXPECT_FALSE(host.CurrentChart().Offscreen());
    int different = 0;
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x)
            different += direct.pixel(x, y) != viaImage.pixel(x, y);
    // Only the antialiased rim of the clip may differ.
    EXPECT_LT(different, direct.width() * direct.height() / 100);
    const QRect middle(direct.width() / 2 - 120, direct.height() / 2 - 120, 240, 240);
    EXPECT_EQ(direct.copy(middle), viaImage.copy(middle));
}

TEST(SkyPrint, PdfPageWithoutAPrinterHoldsTheChart)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    CZarnView view(host);
    host.charts->AttachView(&view);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ciel.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    view.PrintChart(printer, false);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 20000);
    // Printing filled the print placements and the star names to print.
    EXPECT_FALSE(host.charts->WholeSky().PrintStars().empty());
    EXPECT_GT(host.charts->WholeSky().Labels().size(), 20u);
}

namespace {
// The PDF of the printed chart, without the line that dates the file.
QByteArray printedPdf(CZarnView& view, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    view.PrintChart(printer, false);
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = pdf.readAll();
    const qsizetype date = bytes.indexOf("/CreationDate");
    if (date >= 0)
        bytes.remove(date, bytes.indexOf('\n', date) - date);
    return bytes;
}
}  // namespace

TEST(SkyNight, TheChartTurnsRedWithItsStarsAsLargeAndThePrintedPageStaysTheSame)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    CZarnView view(host);
    // Night mode's style draws other frames: the chart keeps its size.
    view.setFrameShape(QFrame::NoFrame);
    QTemporaryDir dir;
    const QImage day = render(host, view, QSize(500, 400));
    const QByteArray dayPage = printedPdf(view, dir.filePath(QStringLiteral("jour.pdf")));
    night::apply(true);
    QImage red = render(host, view, QSize(500, 400));
    const QByteArray nightPage = printedPdf(view, dir.filePath(QStringLiteral("nuit.pdf")));
    night::apply(false);
    ASSERT_EQ(day.size(), red.size());
    // Within the round chart: no green or blue at all, and every lit point of
    // the day (a star, a line, a label) lit at night, so no star shrinks.
    const QRect middle(day.width() / 2 - 120, day.height() / 2 - 120, 240, 240);
    int lit = 0;
    int litAtNight = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QRgb n = red.pixel(x, y);
            ASSERT_EQ(qGreen(n) | qBlue(n), 0) << x << "," << y;
            if (qGray(day.pixel(x, y)) > 40) {
                ++lit;
                litAtNight += qRed(n) > 10;
            }
        }
    EXPECT_GT(lit, 200);
    EXPECT_EQ(litAtNight, lit);
    ASSERT_FALSE(dayPage.isEmpty());
    EXPECT_EQ(nightPage, dayPage);
}

TEST(SkyPrint, PrintedPageCarriesStarNamesAndTheCaption)
{
    SkyWindowTestHost host;
    ASSERT_TRUE(host.loaded);
    test::RecordingSurface paper;
    paper.printer = true;
    paper.millimetre = {24, 24};
    host.charts->PrintLabel().SetFont({"MS Serif", -96, 300});
    const std::uint32_t flags = skyDrawFlags(host.display, 0, true);
    EXPECT_TRUE(flags & draw::kStarNames);
    EXPECT_FALSE(flags & draw::kOwnColours);
    host.charts->WholeSky().Draw(paper, {-2400, -2400, 2400, 2400}, flags);
    const auto texts = paper.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Véga"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Deneb"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Sirius"), texts.end());  // below the horizon
    EXPECT_EQ(texts.back(), host.instant.placeText() + "  " + host.instant.dateText() + "  " +
                                host.instant.timeText() + "  ");
}

}  // namespace
}  // namespace zarn
