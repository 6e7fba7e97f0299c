// SPDX-License-Identifier: GPL-3.0-or-later
// The seven bodies wired together: every planet and the Moon refer to this
// set's Sun, which must be computed first for the same instant.
// Inputs: ELEMENTS.ZAR (seven records in body order) and the instant.
// Years and accuracy: those of the theories (CPlaSol.cpp, CLune.cpp), measured
// over 1901–2099 in bench/accuracy.
// Failure: load returns the archive error (missing, damaged, unreadable) and
// keeps the bodies read before it; computeAll computes every body and
// returns false when one could not be, that one keeping its last position.
#include "sky/SolarBodies.h"

#include "archive/ArchiveFile.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

#include <new>

namespace zarn {

SolarBodies::SolarBodies()
    : planets{{{kMercury, &sun}, {kVenus, &sun}, {kMars, &sun}, {kJupiter, &sun}, {kSaturn, &sun}}},
      moon(&sun)
{
}

SolarBodies::SolarBodies(const SolarBodies& other)
    : sun(other.sun), planets(other.planets), moon(other.moon)
{
    wire();
}

SolarBodies& SolarBodies::operator=(const SolarBodies& other)
{
    if (this != &other) {
        sun = other.sun;
        planets = other.planets;
        moon = other.moon;
        wire();
    }
    return *this;
}

void SolarBodies::wire()
{
    for (CPlanete& p : planets)
        p.SetSun(&sun);
    moon.SetSun(&sun);
}

CPlaSol& SolarBodies::body(int index)
{
    if (index == kSun)
        return sun;
    if (index == kMoon)
        return moon;
    return planets.at(index - 1);
}

const CPlaSol& SolarBodies::body(int index) const
{
    return const_cast<SolarBodies*>(this)->body(index);
}

void SolarBodies::read(CArchiveReader& archive)
{
    for (int index = kSun; index <= kMoon; ++index)
        body(index).load(archive);
}

void SolarBodies::write(CArchiveWriter& archive) const
{
    for (int index = kSun; index <= kMoon; ++index)
        body(index).store(archive);
}

std::optional<ArchiveError> SolarBodies::load(const std::filesystem::path& path)
{
    // Read like the other data files: bounded in size, never waiting on
    // something that is not a regular file.
    try {
        CArchiveReader archive(readArchiveFile(path));
        read(archive);
    } catch (const ArchiveError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return ArchiveError(ArchiveErrorKind::OutOfMemory, path.string());
    }
    return std::nullopt;
}

bool SolarBodies::computeAll(const CInstant& instant)
{
    bool ok = true;
    for (int index = kSun; index <= kMoon; ++index)
        ok = body(index).Compute(instant) && ok;
    return ok;
}

void SolarBodies::setSky(const SkyDirectory* sky)
{
    for (int index = kSun; index <= kMoon; ++index)
        body(index).SetSky(sky);
}

}  // namespace zarn
