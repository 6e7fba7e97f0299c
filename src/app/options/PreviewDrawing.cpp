#include "app/options/PreviewDrawing.h"

#include "charts/CCarteConstellation.h"
#include "charts/CQtSurface.h"
#include "shell/CProgramPalette.h"
#include "sky/DrawFlags.h"
#include "sky/SkyModel.h"

#include <QPainter>

namespace zarn {

PreviewDrawer previewDrawer(ChartHost& host, const SkyModel& sky, const CProgramPalette& palette)
{
    return [&host, &sky, colours = palette.colours()](QPainter& painter, const QRect& rect, const PreviewScene& scene) {
        const CConstellation* constellation = sky.ciel().findLast(scene.constellation.toStdString());
        if (!constellation)
            return;
        // The picture's sky is the page's working colour, not yet the program's.
        PaletteColours pictureColours = colours;
        pictureColours[CProgramPalette::kSky] = scene.sky;
        CQtSurface dc(painter, pictureColours, CQtSurface::ScreenDevice(*painter.device()));
        std::uint32_t flags = draw::kDeepSky;
        if (scene.colouredStars)
            flags |= draw::kOwnColours;
        if (scene.ecliptic)
            flags |= draw::kEcliptic;
        if (scene.equator)
            flags |= draw::kEquator;
        CCarteConstellation chart(host);
        chart.SetConstellation(constellation);
        const SRect box{0, 0, rect.width(), rect.height()};
        dc.Save();
        dc.SetOrigin({rect.center().x(), rect.center().y()});
        chart.DrawPreview(dc, flags, chart.GetScale(box), *constellation);
        dc.Restore();
    };
}

}  // namespace zarn
