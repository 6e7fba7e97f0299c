// SPDX-License-Identifier: GPL-3.0-or-later
// The seasons dialog and the planet visibility chart against zarn-calc, the
// spin's limits, the night of an instant before noon and the drawn bars.
#include "AlmanacWindowFixture.h"

#include "tools/ui/CEphemeridesView.h"
#include "tools/ui/CSaisonsDlg.h"

#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QSpinBox>

using namespace zarn;

TEST_F(AlmanacWindow, SeasonsShowWhatZarnCalcPrintsWithinTheYearsOfTheSpin)
{
    setInstant(17, 6, 2003, 12, 0);
    CSaisonsDlg dialog(bodies.sun, instant.place(), 2003, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Saisons 2003"));
    const QStringList shown = dialog.resultLabel()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList printed;
    for (const std::string& line : calc("seasons 2003"))
        printed << QString::fromStdString(line);
    EXPECT_EQ(shown, printed);
    dialog.yearBox()->setValue(2099);
    dialog.yearBox()->stepBy(1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Saisons 2099"));
    dialog.yearBox()->setValue(1901);
    dialog.yearBox()->stepBy(-1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Saisons 1901"));
}

namespace {
// Whether a bar of the chart shows a colour anywhere.
bool barShows(const QImage& image, const QRect& bar, const QColor& colour)
{
    for (int y = bar.top() + 2; y < bar.bottom() - 1; ++y)
        for (int x = bar.left() + 2; x < bar.right() - 1; ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}
}  // namespace

TEST_F(AlmanacWindow, VisibilityNightBeforeNoonAndItsBars)
{
    // At 3 h the chart shows the night that began the evening before; it
    // spans two months.
    setInstant(1, 4, 2003, 3, 0);
    CEphemeridesView view(bodies, instant);
    view.resize(700, 420);
    view.show();
    EXPECT_EQ(view.slider()->value(), 900);
    EXPECT_EQ(view.timeLabel(), QStringLiteral(" 3.00"));
    const std::vector<std::string> printed = calc("visibility");
    ASSERT_EQ(printed.size(), 7u);
    EXPECT_EQ(view.title().toStdString(), printed[0]);
    EXPECT_EQ(printed[0], " Zarn du 31 mars au 1 avril 2003 ");
    for (int i = 0; i < 5; ++i) {
        const VisibilityInterval& row = view.night().planets[static_cast<std::size_t>(i)];
        const std::string name = bodies.planet(i + 1).GetName();
        EXPECT_EQ(QString::asprintf("%s %.2f %.2f", name.c_str(), row.start, row.end).toStdString(),
                  printed[static_cast<std::size_t>(i) + 2]);
    }
    EXPECT_EQ(CEphemeridesView::hourLabels(),
              (QStringList{"12h", "16h", "20h", "24h", " 4h", " 8h", "12h"}));
    const int before = view.redLineX();
    view.slider()->setValue(1200);
    EXPECT_EQ(view.timeLabel(), QStringLiteral(" 8.00"));
    EXPECT_GT(view.redLineX(), before);

    // 22 August 2003: Jupiter is in conjunction with the Sun, its bar stays
    // empty; Saturn, up in the morning, shows its colour.
    setInstant(22, 8, 2003, 22, 0);
    view.OnUpdate(nullptr, 1, nullptr);
    const QImage image = view.grab().toImage();
    EXPECT_FALSE(barShows(image, view.barRect(4), view.barColour(4)));
    EXPECT_TRUE(barShows(image, view.barRect(5), view.barColour(5)));

    // The printed page carries the same bars.
    QImage page(2000, 1400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    view.drawPage(painter, page.size());
    painter.end();
    EXPECT_TRUE(barShows(page, page.rect(), view.barColour(5)));
    EXPECT_FALSE(barShows(page, page.rect(), view.barColour(4)));
}
