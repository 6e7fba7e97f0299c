// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CZodiac.h"

#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

CZodiac::CZodiac(double alphaLimit, double deltaLimit, std::string above, std::string below)
    : m_alphaLimit(alphaLimit), m_deltaLimit(deltaLimit),
      m_firstName(std::move(above)), m_secondName(std::move(below))
{
}

void CZodiac::load(CArchiveReader& archive)
{
    m_alphaLimit = archive.readDouble();
    m_deltaLimit = archive.readDouble();
    m_firstName = archive.readText();
    m_secondName = archive.readText();
}

void CZodiac::store(CArchiveWriter& archive) const
{
    archive.writeDouble(m_alphaLimit);
    archive.writeDouble(m_deltaLimit);
    archive.writeText(m_firstName);
    archive.writeText(m_secondName);
}

std::string zodiacLookup(const ZodiacTable& table, double alpha, double delta)
{
    for (const auto& entry : table) {
        if (entry->alphaLimit() < alpha) continue;
        return delta <= entry->deltaLimit() ? entry->secondName() : entry->firstName();
    }
    return {};
}

}  // namespace zarn
