// SPDX-License-Identifier: GPL-3.0-or-later
// The object layer of the archive writer: class table, object references and
// the containers built on them.
#include <limits>

#include "archive/CArchiveWriter.h"
#include "archive/ArchiveTags.h"

namespace zarn {

namespace {
using namespace archive_tags;
// The 32-bit forms keep bit 31 for the class flag.
constexpr std::uint32_t kMaxIndex = 0x7FFFFFFF;
}  // namespace

std::uint32_t CArchiveWriter::checkedCount(std::size_t size)
{
    if (size > std::numeric_limits<std::uint32_t>::max())
        throw ArchiveError(ArchiveErrorKind::Other, "tableau trop grand pour l'archive");
    return static_cast<std::uint32_t>(size);
}

std::uint32_t CArchiveWriter::takeIndex()
{
    if (m_nextIndex > kMaxIndex) throw ArchiveError(ArchiveErrorKind::Other, "trop d'objets pour l'archive");
    return m_nextIndex++;
}

// An index below 0x7FFF fits the leading word (with the class flag 0x8000 for
// a class); from 0x7FFF on, the word 0x7FFF announces it in 32 bits.
void CArchiveWriter::writeIndex(std::uint32_t index, std::uint32_t bigFlag)
{
    if (index < kBigTag) {
        writeWord(static_cast<std::uint16_t>(index | (bigFlag ? kClassTag : 0)));
    } else {
        writeWord(kBigTag);
        writeUnsigned32(index | bigFlag);
    }
}

void CArchiveWriter::writeClassOf(const CSerialisable& object)
{
    const std::string_view name = object.className();
    const auto known = m_classes.find(name);
    if (known != m_classes.end()) {
        writeIndex(known->second, kBigClassFlag);
        return;
    }
    if (name.size() >= kNewClassTag) throw ArchiveError(ArchiveErrorKind::Other, "nom de classe trop long");
    writeWord(kNewClassTag);
    writeWord(0);  // schema
    writeWord(static_cast<std::uint16_t>(name.size()));
    m_bytes.insert(m_bytes.end(), name.begin(), name.end());
    m_classes.emplace(name, takeIndex());
}

void CArchiveWriter::writeObject(const CSerialisable* object)
{
    if (!object) {
        writeWord(kNullTag);
        return;
    }
    const auto known = m_objects.find(object);
    if (known != m_objects.end()) {
        writeIndex(known->second, 0);
        return;
    }
    writeClassOf(*object);
    // Numbered before its fields, as the reader numbers it.
    m_objects.emplace(object, takeIndex());
    object->store(*this);
}

void CArchiveWriter::writeWordArray(const std::vector<std::uint16_t>& words)
{
    writeCount(checkedCount(words.size()));
    for (std::uint16_t word : words) writeWord(word);
}

void CArchiveWriter::writeTextMap(const TextMap& map)
{
    writeCount(checkedCount(map.size()));
    for (const auto& [key, value] : map) {
        writeText(key);
        writeText(value);
    }
}

}  // namespace zarn
