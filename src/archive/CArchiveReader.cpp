// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/CArchiveReader.h"

#include <bit>

#include "archive/Windows1252.h"

namespace zarn {

void throwDamaged(const std::string& reason)
{
    throw ArchiveError(ArchiveErrorKind::Damaged, reason);
}

CArchiveReader::CArchiveReader(std::vector<std::uint8_t> bytes, const CClassRegistry& registry)
    : m_bytes(std::move(bytes)), m_registry(registry), m_table(1)
{
}

CArchiveReader::~CArchiveReader() = default;

void CArchiveReader::registerClass(const std::string& name, CClassRegistry::Factory factory)
{
    CClassRegistry::global().add(name, std::move(factory));
}

const std::uint8_t* CArchiveReader::take(std::size_t n)
{
    if (n > remaining()) throwDamaged("fin de fichier inattendue");
    const std::uint8_t* start = m_bytes.data() + m_pos;
    m_pos += n;
    return start;
}

std::uint8_t CArchiveReader::readByte()
{
    return *take(1);
}

std::uint16_t CArchiveReader::readWord()
{
    const std::uint8_t* p = take(2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchiveReader::readUnsigned32()
{
    const std::uint8_t* p = take(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

std::int32_t CArchiveReader::readLong()
{
    return static_cast<std::int32_t>(readUnsigned32());
}

double CArchiveReader::readDouble()
{
    const std::uint8_t* p = take(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    return std::bit_cast<double>(bits);
}

std::uint32_t CArchiveReader::readCount(std::size_t minElementBytes)
{
    const std::uint16_t word = readWord();
    const std::uint32_t count = word == 0xFFFF ? readUnsigned32() : word;
    if (minElementBytes > 0 && count > remaining() / minElementBytes)
        throwDamaged("nombre d'éléments plus grand que le fichier");
    return count;
}

std::size_t CArchiveReader::readTextLength()
{
    const std::uint8_t byte = readByte();
    if (byte < 0xFF) return byte;
    const std::uint16_t word = readWord();
    if (word < 0xFFFE) return word;
    if (word == 0xFFFE) throwDamaged("longueur de texte non valable");
    return readUnsigned32();
}

std::string CArchiveReader::readText()
{
    const std::size_t length = readTextLength();
    const auto* start = reinterpret_cast<const char*>(take(length));
    return windows1252ToUtf8(std::string_view(start, length));
}

}  // namespace zarn
