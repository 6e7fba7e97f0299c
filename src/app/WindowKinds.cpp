#include "app/WindowKinds.h"

#include "app/AlmanacWindows.h"
#include "app/CSkyWindow.h"

namespace zarn {

WindowKinds programWindowKinds()
{
    WindowKinds kinds;
    kinds[ViewKind::Sky] = &CSkyWindow::open;
    kinds[ViewKind::Soleil] = &openSunMoonWindow;
    kinds[ViewKind::Ephemerides] = &openVisibilityWindow;
    return kinds;
}

}  // namespace zarn
