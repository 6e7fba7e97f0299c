// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names between the system and the windows. The system gives names as
// bytes that need not be UTF-8 (a folder named in Latin-1); Qt reads them as
// UTF-8 and puts U+FFFD in place of every other byte, so a QString from Qt
// names another file. Here each byte that is not part of valid UTF-8 is kept
// in the QString as the lone surrogate U+DC80 + (byte − 0x80) and given back
// as that byte: the bytes go to the system exactly as they came.
// Everything the program opens, tests or creates goes through pathBytes().
#include <QByteArray>
#include <QString>

#include <filesystem>
#include <string>

namespace zarn {

QString pathFromBytes(const std::string& bytes);
std::string pathBytes(const QString& path);
inline std::filesystem::path fsPath(const QString& path) { return pathBytes(path); }

// The name as the user reads it in a message: each kept byte is shown as its
// Windows-1252 character (a Latin-1 "é" stays "é").
QString displayPath(const QString& path);

// Small file-system questions on such names.
bool pathExists(const QString& path);           // anything there, a dangling link too
bool isWritableFolder(const QString& path);
bool makeFolders(const QString& path);          // with its parents; true when it stands
QString joinPath(const QString& folder, const char* name);
QString parentFolder(const QString& path);
// The bytes of a regular file of at most maxBytes; empty when there is none,
// it is larger or it cannot be read (a named pipe is refused, not waited for).
QByteArray readSmallFile(const QString& path, qint64 maxBytes);

}  // namespace zarn
