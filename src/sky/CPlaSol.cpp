// SPDX-License-Identifier: GPL-3.0-or-later
// Mean elements of the Sun and the five planets.
// Inputs: six rows of ELEMENTS.ZAR, each a0 + a1·T + a2·T² + a3·T³, with T the
// instant's Julian centuries from JD 2415020.0 in universal time (ΔT is left
// out), referred to the mean ecliptic and equinox of date.
// Years: the polynomials are fitted around 1900; bench/accuracy measures
// 1901–2099 against an independent modern theory, worst ecliptic longitude:
// Sun 0.005°, Mercure 0.013°, Vénus 0.020°, Mars 0.095° (near oppositions),
// Jupiter 0.013°, Saturne 0.038°; latitudes within 0.005°. Centuries away the
// T² and T³ terms take over and the positions drift without any warning.
// Failure: Compute returns false and keeps α and δ when the elements give no
// finite position; damaged elements are refused when the file is read.
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
