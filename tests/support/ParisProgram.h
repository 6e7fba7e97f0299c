// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Document tests start from a program folder holding a copy of the data files
// and from a settings file whose only observatory is Paris.
#include "app/CSettingsStore.h"
#include "time/CLieu.h"
#include "time/Profile.h"
#include "settings/ZarnSettings.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <string>

namespace zarn::test {

// Paris: 2° 20′ E, 48° 51′ N, zone 1 with summer time.
inline CLieu paris() { return CLieu("Paris", -2.3333333, 48.85 * 0.0174532925199433, 1, 1); }

// extra: settings text (sections and keys) kept beside the observatory.
inline void saveParisSettings(CSettingsStore& store, const std::string& extra = "")
{
    Profile p = Profile::parse(extra);
    ZarnSettings s = readSettings(p);
    s.observatories.push_back(paris());
    writeSettings(s, p, false);
    ASSERT_TRUE(store.save(p));
}

inline void copyDataFiles(const QString& folder)
{
    for (const char* name : {"CIEL.ZAR", "ELEMENTS.ZAR"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZARN_DATA_DIR "/") + QLatin1String(name),
                                folder + QLatin1Char('/') + QLatin1String(name)));
}

}  // namespace zarn::test
