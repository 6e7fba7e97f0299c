#pragma once
// Writes the object archive of the .ZAR files into a byte vector, in the
// encoding that CArchiveReader reads (little-endian on any host; texts given
// in UTF-8 are stored in Windows-1252, '?' standing for what the set cannot
// hold). saveTo() then puts the bytes on disk atomically.
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "sky/archive/AtomicFile.h"

namespace zarn {

class CArchiveWriter {
public:
    CArchiveWriter() = default;
    CArchiveWriter(const CArchiveWriter&) = delete;
    CArchiveWriter& operator=(const CArchiveWriter&) = delete;

    void writeByte(std::uint8_t value);
    void writeWord(std::uint16_t value);
    void writeLong(std::int32_t value);
    void writeUnsigned32(std::uint32_t value);
    void writeDouble(double value);
    // The shortest form: a word below 0xFFFF, else 0xFFFF and 32 bits.
    void writeCount(std::uint32_t count);
    // The shortest length form: 1, 3 or 7 bytes.
    void writeText(std::string_view utf8);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    // Writes the bytes to `path` atomically (see AtomicFile.h).
    SaveResult saveTo(const std::filesystem::path& path) const;

private:
    std::vector<std::uint8_t> m_bytes;
};

}  // namespace zarn
