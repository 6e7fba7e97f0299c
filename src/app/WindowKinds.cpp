#include "app/WindowKinds.h"

#include "app/CSkyWindow.h"

namespace zarn {

WindowKinds programWindowKinds()
{
    WindowKinds kinds;
    kinds[ViewKind::Sky] = &CSkyWindow::open;
    return kinds;
}

}  // namespace zarn
