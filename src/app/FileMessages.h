#pragma once
// The message boxes of the data files: loading errors of CIEL.ZAR and
// ELEMENTS.ZAR, and the failed write of OBJETS.ZAR or ZARN.INI with its
// abort, retry and ignore buttons.
#include "sky/archive/CSerialisable.h"

#include <QString>

#include <functional>

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

}  // namespace zarn
