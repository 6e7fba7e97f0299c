// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/ToolChart.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "settings/DisplayOptionTable.h"
#include "settings/DisplayOptions.h"
#include "ui/CWorkspace.h"
#include "ui/CProgramPalette.h"
#include "sky/DrawFlags.h"

namespace zarn {

PaletteColours programColours(CWorkspace& frame)
{
    PaletteColours colours;
    for (int i = 0; i < kPaletteSize; ++i)
        colours[static_cast<std::size_t>(i)] = frame.programPalette().color(i);
    return colours;
}

std::uint32_t eclipticChartFlags(const DisplayOptions& options, int figureFlag, bool printing)
{
    std::uint32_t flags = 0x83E | optionDrawFlags(options, chart_family::kEclipticCharts, printing);
    if (options.figureFlags[static_cast<std::size_t>(figureFlag)])
        flags |= draw::kFigures;
    return flags;
}

QMdiSubWindow* openToolFrame(CWorkspace& frame, QWidget* view, QSize size)
{
    auto* window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWidget(view);
    frame.mdiArea()->addSubWindow(window);
    frame.placeNewToolWindow(window, size);
    window->show();
    frame.mdiArea()->setActiveSubWindow(window);
    return window;
}

}  // namespace zarn
