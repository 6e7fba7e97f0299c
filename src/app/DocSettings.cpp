// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file and the document: the display options, the main window's
// place and the observatories read at start-up and written back at closing.
#include "app/DocFiles.h"

#include "app/CZarnDoc.h"
#include "charts/QtColour.h"
#include "shell/CMainFrame.h"
#include "settings/DisplayOptionTable.h"
#include "settings/ZarnSettings.h"
#include "sky/SkyColourScale.h"

namespace zarn {

void DocFiles::applySettings(const ZarnSettings& s)
{
    DisplayOptions& options = m_doc.options();
    CMainFrame& frame = m_doc.frame();
    // Read once at start: the options the file does not keep stand at their defaults.
    takeStoredOptions(s, options);
    frame.setNightMode(s.nightMode != 0);
    m_doc.observatories() = s.observatories;
    frame.programPalette().setSkyColour(toQColor(fromSettingsRgb(s.skyColour)));
}

ZarnSettings DocFiles::collectSettings() const
{
    const DisplayOptions& options = m_doc.options();
    const CMainFrame& frame = m_doc.frame();
    ZarnSettings s;
    giveStoredOptions(options, s);
    const QRect r = frame.normalGeometry();
    s.normalRect = std::array<std::int32_t, 4>{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    s.showState = frame.isMaximized() ? 3 : (frame.isMinimized() ? 2 : 1);
    s.observatories = m_doc.observatories();
    return s;
}

}  // namespace zarn
