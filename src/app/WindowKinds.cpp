#include "app/WindowKinds.h"

#include "app/CConstellationsWindow.h"
#include "app/CSkyWindow.h"
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
    return kinds;
}

}  // namespace zarn
