#include "sky/CPlaSol.h"

#include "sky/ElementRanges.h"
#include "sky/SkyDirectory.h"
#include "sky/SkyMath.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"
#include "time/CInstant.h"

#include <cmath>

namespace zarn {

void CPlaSol::load(CArchiveReader& archive)
{
    std::string name = archive.readText();
    double elements[kRows][kCoefficients];
    for (int j = 0; j < kCoefficients; ++j)
        for (int r = 0; r < kRows; ++r) {
            elements[r][j] = archive.readDouble();
            // An infinite or undefined coefficient would only show up later as
            // a body stuck in the sky: it is damage of the file.
            if (!std::isfinite(elements[r][j]))
                throwDamaged("coefficient non fini dans les éléments de " + name);
        }
    if (const std::string why = implausibleOrbit(m_index, elements); !why.empty())
        throwDamaged(why + " dans les éléments de " + name);
    m_name = std::move(name);
    for (int r = 0; r < kRows; ++r)
        for (int j = 0; j < kCoefficients; ++j)
            m_elements[r][j] = elements[r][j];
}

void CPlaSol::store(CArchiveWriter& archive) const
{
    archive.writeText(m_name);
    for (int j = 0; j < kCoefficients; ++j)
        for (int r = 0; r < kRows; ++r)
            archive.writeDouble(m_elements[r][j]);
}

bool CPlaSol::Compute(const CInstant& instant)
{
    double alpha, delta, distance;
    if (!GetPosition(instant.centuries(), alpha, delta, distance))
        return false;
    m_alpha = alpha;
    m_delta = delta;
    m_distance = distance;
    Place(0.0, 1.0, 0.0);
    return true;
}

void CPlaSol::CopyElements(const CPlaSol& other)
{
    m_index = other.m_index;
    m_name = other.m_name;
    for (int r = 0; r < kRows; ++r)
        for (int j = 0; j < kCoefficients; ++j)
            m_elements[r][j] = other.m_elements[r][j];
    m_alpha = other.m_alpha;
    m_delta = other.m_delta;
    m_sun = other.m_sun;
}

std::string CPlaSol::GetConstellation() const
{
    return m_sky ? m_sky->zodiacConstellation(m_alpha, m_delta) : std::string();
}

double CPlaSol::ElementAt(int row, double T, int degree) const
{
    return Polynomial(m_elements[row], T, degree);
}

}  // namespace zarn
