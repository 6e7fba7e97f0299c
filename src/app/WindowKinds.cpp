// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowKinds.h"

#include "app/AlmanacWindows.h"
#include "app/CConstellationsWindow.h"
#include "app/CSkyWindow.h"
#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"
#include "tools/ui/CAnimationView.h"
#include "tools/ui/CConjonctionView.h"
#include "tools/ui/CCatalogueView.h"
#include "tools/ui/CChercherView.h"

namespace zarn {

WindowKinds programWindowKinds()
{
    WindowKinds kinds;
    kinds[ViewKind::Sky] = &CSkyWindow::open;
    kinds[ViewKind::Constellations] = &CConstellationsWindow::open;
    kinds[ViewKind::Catalogue] = &CCatalogueView::open;
    kinds[ViewKind::Chercher] = &CChercherView::open;
    kinds[ViewKind::Soleil] = &openSunMoonWindow;
    kinds[ViewKind::Ephemerides] = &openVisibilityWindow;
    kinds[ViewKind::Conjonction] = &CConjonctionView::open;
    kinds[ViewKind::Animation] = &CAnimationView::open;
    kinds[ViewKind::Nuit] = &openNightWindow;
    return kinds;
}

}  // namespace zarn
