// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CWorkspace.h"

#include <QMdiSubWindow>
#include <QVariant>

namespace zarn {

namespace {
constexpr const char* kRedirectProperty = "zarnRedirectsToSky";
}

void CWorkspace::markRedirectsToSky(QMdiSubWindow* frame) { frame->setProperty(kRedirectProperty, true); }

bool CWorkspace::redirectsToSky(const QMdiSubWindow* frame) { return frame->property(kRedirectProperty).toBool(); }

}  // namespace zarn
