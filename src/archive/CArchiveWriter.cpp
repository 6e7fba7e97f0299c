// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/CArchiveWriter.h"

#include <bit>
#include <limits>

#include "archive/CSerialisable.h"
#include "archive/Windows1252.h"

namespace zarn {

void CArchiveWriter::writeByte(std::uint8_t value)
{
    m_bytes.push_back(value);
}

void CArchiveWriter::writeWord(std::uint16_t value)
{
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void CArchiveWriter::writeUnsigned32(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void CArchiveWriter::writeLong(std::int32_t value)
{
    writeUnsigned32(static_cast<std::uint32_t>(value));
}

void CArchiveWriter::writeDouble(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) m_bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void CArchiveWriter::writeCount(std::uint32_t count)
{
    if (count < 0xFFFF) {
        writeWord(static_cast<std::uint16_t>(count));
    } else {
        writeWord(0xFFFF);
        writeUnsigned32(count);
    }
}

void CArchiveWriter::writeText(std::string_view utf8)
{
    const std::string text = utf8ToWindows1252(utf8);
    const std::size_t length = text.size();
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw ArchiveError(ArchiveErrorKind::Other, "texte trop long pour l'archive");
    if (length < 0xFF) {
        writeByte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        writeByte(0xFF);
        writeWord(static_cast<std::uint16_t>(length));
    } else {
        writeByte(0xFF);
        writeWord(0xFFFF);
        writeUnsigned32(static_cast<std::uint32_t>(length));
    }
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

SaveResult CArchiveWriter::saveTo(const std::filesystem::path& path) const
{
    return writeFileAtomically(path, m_bytes);
}

}  // namespace zarn
