#pragma once
// Reads the object archive of the .ZAR files from a byte buffer held in memory.
//
// Every value is little-endian whatever the host. Every read checks the bytes
// that remain and throws ArchiveError(Damaged) on a truncated or malformed
// input, so a hostile file can never make the reader step outside its buffer.
//
//   byte    8 bits                 word    16-bit unsigned
//   long    32-bit signed          double  IEEE 754 binary64
//   count   word; 0xFFFF announces a 32-bit unsigned value
//   text    length then Windows-1252 bytes (no terminator); the length is a
//           byte below 255, else 0xFF + word below 0xFFFE, else 0xFF, word
//           0xFFFF and a 32-bit length. Texts are returned in UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sky/archive/CSerialisable.h"

namespace zarn {

class CArchiveReader {
public:
    explicit CArchiveReader(std::vector<std::uint8_t> bytes);
    CArchiveReader(const CArchiveReader&) = delete;
    CArchiveReader& operator=(const CArchiveReader&) = delete;

    std::uint8_t readByte();
    std::uint16_t readWord();
    std::int32_t readLong();
    std::uint32_t readUnsigned32();
    double readDouble();
    // A count of container elements. Each element takes at least
    // `minElementBytes` bytes in the file, so a count that the remaining bytes
    // cannot hold is damage, caught before anything is allocated for it.
    std::uint32_t readCount(std::size_t minElementBytes = 1);
    std::string readText();

    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos == m_bytes.size(); }

private:
    // Returns the next `n` bytes and moves past them; Damaged when fewer remain.
    const std::uint8_t* take(std::size_t n);
    std::size_t readTextLength();

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

// Throws the "damaged file" error with a short reason.
[[noreturn]] void throwDamaged(const std::string& reason);

}  // namespace zarn
