#include "app/WindowKinds.h"

#include "app/CSkyPlaceholderView.h"

namespace zarn {

WindowKinds programWindowKinds()
{
    WindowKinds kinds;
    // The sky window: an empty frame of the sky colour until the charts draw in it.
    kinds[ViewKind::Sky] = &CSkyPlaceholderView::open;
    return kinds;
}

}  // namespace zarn
