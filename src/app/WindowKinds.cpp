#include "app/WindowKinds.h"

#include "app/AlmanacWindows.h"
#include "app/CSkyWindow.h"
#include "tools/ui/CAnimationView.h"
#include "tools/ui/CConjonctionView.h"

namespace zarn {

WindowKinds programWindowKinds()
{
    WindowKinds kinds;
    kinds[ViewKind::Sky] = &CSkyWindow::open;
    kinds[ViewKind::Soleil] = &openSunMoonWindow;
    kinds[ViewKind::Ephemerides] = &openVisibilityWindow;
    kinds[ViewKind::Conjonction] = &CConjonctionView::open;
    kinds[ViewKind::Animation] = &CAnimationView::open;
    return kinds;
}

}  // namespace zarn
