// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every object that the object archive (.ZAR files) can hold: the
// catalogue classes register a run-time class name (schema 0) and read and
// write their own fields in file order.
#include <map>
#include <stdexcept>
#include <string>

namespace zarn {

class CArchiveReader;
class CArchiveWriter;

// Why reading an archive failed; the program turns each into its message box.
enum class ArchiveErrorKind {
    FileNotFound,   // the file does not exist
    Damaged,        // bad class, bad schema, bad index, unexpected end, absurd count
    OutOfMemory,    // memory exhausted
    Other           // any other read or access error
};

class ArchiveError : public std::runtime_error {
public:
    ArchiveError(ArchiveErrorKind kind, const std::string& what)
        : std::runtime_error(what), m_kind(kind) {}
    ArchiveErrorKind kind() const { return m_kind; }

private:
    ArchiveErrorKind m_kind;
};

// A text-to-text map of the archive (the label map of the catalogue ...).
using TextMap = std::map<std::string, std::string>;

class CSerialisable {
public:
    virtual ~CSerialisable() = default;
    // Run-time class name as stored in the archive's class table.
    virtual const char* className() const = 0;
    // Reads the object's fields in file order; throws ArchiveError on damage.
    virtual void load(CArchiveReader& archive) = 0;
    virtual void store(CArchiveWriter& archive) const = 0;
};

}  // namespace zarn
