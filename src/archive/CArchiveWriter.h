// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the object archive of the .ZAR files into a byte vector, in the
// encoding that CArchiveReader reads (see CArchiveReader.h): little-endian on
// any host; texts given in UTF-8 are stored in Windows-1252, '?' standing for
// what the set cannot hold. saveTo() then puts the bytes on disk atomically.
//
// Objects are known by address: the first writeObject() of an object writes
// its class (the first time) and its fields, every later one only its index.
// From index 0x7FFF on, references take the 32-bit forms.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "archive/AtomicFile.h"
#include "archive/CSerialisable.h"

namespace zarn {

class CArchiveWriter {
public:
    CArchiveWriter() = default;
    CArchiveWriter(const CArchiveWriter&) = delete;
    CArchiveWriter& operator=(const CArchiveWriter&) = delete;

    // --- primitives ---
    void writeByte(std::uint8_t value);
    void writeWord(std::uint16_t value);
    void writeLong(std::int32_t value);
    void writeUnsigned32(std::uint32_t value);
    void writeDouble(double value);
    // The shortest form: a word below 0xFFFF, else 0xFFFF and 32 bits.
    void writeCount(std::uint32_t count);
    // The shortest length form: 1, 3 or 7 bytes.
    void writeText(std::string_view utf8);

    // --- objects and containers ---
    // One object reference; null writes the null reference.
    void writeObject(const CSerialisable* object);
    template <class T>
    void writeObjectArray(const std::vector<T*>& objects)
    {
        writeCount(checkedCount(objects.size()));
        for (const T* object : objects) writeObject(object);
    }
    void writeWordArray(const std::vector<std::uint16_t>& words);
    void writeTextMap(const TextMap& map);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    // Writes the bytes to `path` atomically (see AtomicFile.h).
    SaveResult saveTo(const std::filesystem::path& path) const;

private:
    static std::uint32_t checkedCount(std::size_t size);
    std::uint32_t takeIndex();
    void writeClassOf(const CSerialisable& object);
    void writeIndex(std::uint32_t index, std::uint32_t bigFlag);

    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_nextIndex = 1;
    std::map<std::string, std::uint32_t, std::less<>> m_classes;
    std::unordered_map<const CSerialisable*, std::uint32_t> m_objects;
};

}  // namespace zarn
