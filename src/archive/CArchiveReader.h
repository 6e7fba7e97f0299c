// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the object archive of the .ZAR files from a byte buffer held in memory.
//
// Every value is little-endian whatever the host. Every read checks the bytes
// that remain and throws ArchiveError(Damaged) on a truncated or malformed
// input, so a hostile file can never make the reader step outside its buffer,
// loop without end or allocate more than the file could describe.
//
//   byte    8 bits                 word    16-bit unsigned
//   long    32-bit signed          double  IEEE 754 binary64
//   count   word; 0xFFFF announces a 32-bit unsigned value
//   text    length then Windows-1252 bytes (no terminator); the length is a
//           byte below 255, else 0xFF + word below 0xFFFE, else 0xFF, word
//           0xFFFF and a 32-bit length. Texts are returned in UTF-8.
//
// Object references. One table per file numbers classes and objects together
// from 1 (0 is "no object"). The leading word of a reference is
//   0x0000          no object
//   0xFFFF          new class: word schema (must be 0), word name length, the
//                   name; the class takes the next index, then the object does
//                   and its fields follow
//   0x8000 + n      new object of the known class n (n below 0x7FFF)
//   n below 0x7FFF  the object already read under index n; nothing follows
//   0x7FFF          a 32-bit value follows: bit 31 set, a class index (the
//                   object's fields follow); otherwise an object index
// A new object takes its index before its own fields are read, so the objects
// nested in them (the stars of a constellation) come after it.
//
// Ownership. The reader creates the objects and owns them until takeObjects()
// hands them all over; the pointers returned by readObject() & co. stay valid
// as long as their owner keeps them. Each object exists once, however many
// references a file holds to it, so whoever takes the objects deletes each one
// once, and the arrays that point to them (a star in two constellations) never
// delete. Objects not taken die with the reader. loadArchive() (ArchiveFile.h)
// always takes them, also after an error, so the objects read before the
// damage stay valid with their owner.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/CClassRegistry.h"
#include "archive/CSerialisable.h"

namespace zarn {

class CArchiveReader {
public:
    explicit CArchiveReader(std::vector<std::uint8_t> bytes,
                            const CClassRegistry& registry = CClassRegistry::global());
    ~CArchiveReader();
    CArchiveReader(const CArchiveReader&) = delete;
    CArchiveReader& operator=(const CArchiveReader&) = delete;

    // Registers a class in the program's registry (CClassRegistry::global()).
    static void registerClass(const std::string& name, CClassRegistry::Factory factory);
    template <class T>
    static void registerClass(const std::string& name)
    {
        CClassRegistry::global().add<T>(name);
    }

    // --- primitives ---
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

    // --- objects and containers ---
    // One object reference; null for the null reference.
    CSerialisable* readObject();
    // One reference that must lead to an object of class T (or a subclass);
    // a null reference or an object of another class is damage.
    template <class T>
    T* readObjectOf();
    // An object array whose elements must all be objects of class T.
    template <class T>
    std::vector<T*> readObjectArray();
    std::vector<std::uint16_t> readWordArray();
    // Pairs (key, value); a later pair with the same key replaces the earlier.
    TextMap readTextMap();

    // Hands over every object created so far (in creation order); see above.
    std::vector<std::unique_ptr<CSerialisable>> takeObjects();

    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos == m_bytes.size(); }

    // Deepest nesting of objects inside the fields of objects; the catalogue
    // needs two levels (a star inside a constellation).
    static constexpr int kMaxDepth = 32;

private:
    // Returns the next `n` bytes and moves past them; Damaged when fewer remain.
    const std::uint8_t* take(std::size_t n);
    std::size_t readTextLength();

    struct TableEntry {
        const CClassRegistry::Factory* factory = nullptr;  // set for a class
        CSerialisable* object = nullptr;                   // set for an object
    };
    std::uint32_t readNewClass();
    CSerialisable* readNewObject(std::uint32_t classIndex);
    CSerialisable* objectAt(std::uint32_t index) const;
    CSerialisable* checkedNotNull(CSerialisable* object) const;

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    const CClassRegistry& m_registry;
    std::vector<TableEntry> m_table;  // entry 0 is "no object"
    std::vector<std::unique_ptr<CSerialisable>> m_owned;
    int m_depth = 0;
};

// Throws the "damaged file" error with a short reason.
[[noreturn]] void throwDamaged(const std::string& reason);

template <class T>
T* CArchiveReader::readObjectOf()
{
    T* typed = dynamic_cast<T*>(checkedNotNull(readObject()));
    if (!typed) throwDamaged("objet d'une classe inattendue");
    return typed;
}

template <class T>
std::vector<T*> CArchiveReader::readObjectArray()
{
    const std::uint32_t count = readCount(2);  // a reference takes at least a word
    std::vector<T*> objects;
    // Grown as the elements really arrive: two bytes of file per pointer.
    objects.reserve(std::min<std::uint32_t>(count, 4096));
    for (std::uint32_t i = 0; i < count; ++i) objects.push_back(readObjectOf<T>());
    return objects;
}

}  // namespace zarn
