#include "tools/ui/ToolChart.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/DisplayOptions.h"
#include "shell/CMainFrame.h"
#include "shell/CProgramPalette.h"
#include "sky/DrawFlags.h"

namespace zarn {

PaletteColours programColours(CMainFrame& frame)
{
    PaletteColours colours;
    for (int i = 0; i < CProgramPalette::kSize; ++i)
        colours[static_cast<std::size_t>(i)] = frame.programPalette().color(i);
    return colours;
}

std::uint32_t eclipticChartFlags(const DisplayOptions& options, int figureFlag, bool printing)
{
    std::uint32_t flags = 0x83E;
    if (!printing && options.starColouring == 1)
        flags |= draw::kOwnColours;
    if (options.figureFlags[static_cast<std::size_t>(figureFlag)])
        flags |= draw::kFigures;
    if (printing && options.printStarNames)
        flags |= draw::kStarNames;
    return flags;
}

QMdiSubWindow* openToolFrame(CMainFrame& frame, QWidget* view, QSize size)
{
    auto* window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWidget(view);
    frame.mdiArea()->addSubWindow(window);
    // No larger than the work area: on a small screen, or with large
    // scaling, the form's far side and its buttons stay within reach.
    window->resize(size.boundedTo(frame.mdiArea()->viewport()->size()));
    window->move(0, 0);
    window->show();
    frame.mdiArea()->setActiveSubWindow(window);
    return window;
}

}  // namespace zarn
