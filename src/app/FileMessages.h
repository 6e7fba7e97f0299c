// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message boxes of the data files: loading errors of CIEL.ZAR and
// ELEMENTS.ZAR, and the failed write of OBJETS.ZAR or ZARN.INI with its
// abort, retry and ignore buttons.
#include "archive/CSerialisable.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace zarn {

QString loadErrorText(ArchiveErrorKind kind, const QString& fileName);
// Help context of the error's Help button; 0 when the box has none.
int loadErrorHelpContext(ArchiveErrorKind kind);
void showLoadError(QWidget* parent, ArchiveErrorKind kind, const QString& fileName);

QString writeErrorText(const QString& fileName);

enum class WriteOutcome { Written, Ignored, Aborted };
// Tries write() until it succeeds or the user answers Ignore or Abort. A file
// that exists read-only is made writable before the first try.
WriteOutcome writeWithRetry(QWidget* parent, const QString& path, const std::function<bool()>& write);

// A file that could not be read whole at start-up is kept under a backup name
// (see keepBackup) before the first write over it. When the file cannot be
// kept, the write counts as failed, so nothing is lost without the box.
// A file that another program (a second Zarn) wrote since it was read is
// not written over without asking: "Oui" keeps that file under a dated
// backup name and writes this program's, "Non" leaves it and writes nothing,
// "Annuler" keeps the program open.
struct ClosingWrite {
    QString path;
    bool keepOld = false;        // the file was there but not read whole
    QString kept;                // the backup name, once kept
    bool changedByOther = false; // written by someone else since it was read
};
WriteOutcome writeKeepingOld(QWidget* parent, ClosingWrite& file, const std::function<bool()>& write);
QString changedFileQuestion(const QString& fileName);
// The closing box that names the files kept; nothing when none was.
QString keptFilesText(const std::vector<ClosingWrite>& files);
void showKeptFiles(QWidget* parent, const std::vector<ClosingWrite>& files);

}  // namespace zarn
