// SPDX-License-Identifier: GPL-3.0-or-later
// The object layer of the archive reader: class table, object references and
// the containers built on them.
#include <new>
#include <string_view>

#include "archive/CArchiveReader.h"
#include "archive/ArchiveTags.h"

namespace zarn {

namespace {

using namespace archive_tags;

// Counts the nesting of objects for as long as one object is being read.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : m_depth(depth)
    {
        if (++m_depth > CArchiveReader::kMaxDepth) {
            --m_depth;
            throwDamaged("objets imbriqués trop profondément");
        }
    }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

}  // namespace

CSerialisable* CArchiveReader::readObject()
{
    const std::uint16_t tag = readWord();
    if (tag == kNullTag) return nullptr;
    if (tag == kNewClassTag) return readNewObject(readNewClass());
    if (tag == kBigTag) {
        const std::uint32_t value = readUnsigned32();
        if (value & kBigClassFlag) return readNewObject(value & ~kBigClassFlag);
        return objectAt(value);
    }
    if (tag & kClassTag) return readNewObject(tag & ~kClassTag);
    return objectAt(tag);
}

std::uint32_t CArchiveReader::readNewClass()
{
    if (readWord() != 0) throwDamaged("version de classe inconnue");
    const std::uint16_t length = readWord();
    const auto* name = reinterpret_cast<const char*>(take(length));
    const CClassRegistry::Factory* factory = m_registry.find(std::string_view(name, length));
    if (!factory) throwDamaged("classe inconnue : " + std::string(name, length));
    m_table.push_back({factory, nullptr});
    return static_cast<std::uint32_t>(m_table.size() - 1);
}

CSerialisable* CArchiveReader::readNewObject(std::uint32_t classIndex)
{
    if (classIndex == 0 || classIndex >= m_table.size() || !m_table[classIndex].factory)
        throwDamaged("numéro de classe non valable");
    DepthGuard guard(m_depth);
    try {
        std::unique_ptr<CSerialisable> object((*m_table[classIndex].factory)());
        if (!object) throw std::bad_alloc();
        CSerialisable* raw = object.get();
        m_owned.push_back(std::move(object));
        m_table.push_back({nullptr, raw});
        raw->load(*this);
        return raw;
    } catch (const std::bad_alloc&) {
        throw ArchiveError(ArchiveErrorKind::OutOfMemory, "mémoire saturée");
    }
}

CSerialisable* CArchiveReader::objectAt(std::uint32_t index) const
{
    if (index == 0) return nullptr;
    if (index >= m_table.size() || !m_table[index].object) throwDamaged("numéro d'objet non valable");
    return m_table[index].object;
}

CSerialisable* CArchiveReader::checkedNotNull(CSerialisable* object) const
{
    if (!object) throwDamaged("référence nulle inattendue");
    return object;
}

std::vector<std::uint16_t> CArchiveReader::readWordArray()
{
    const std::uint32_t count = readCount(2);
    std::vector<std::uint16_t> words;
    words.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) words.push_back(readWord());
    return words;
}

TextMap CArchiveReader::readTextMap()
{
    const std::uint32_t count = readCount(2);  // two empty texts at the least
    TextMap map;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string key = readText();
        map.insert_or_assign(std::move(key), readText());
    }
    return map;
}

std::vector<std::unique_ptr<CSerialisable>> CArchiveReader::takeObjects()
{
    std::vector<std::unique_ptr<CSerialisable>> taken = std::move(m_owned);
    m_owned.clear();
    return taken;
}

}  // namespace zarn
