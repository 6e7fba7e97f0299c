// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven bodies of the solar system wired together: the Sun, the planets
// Mercure to Saturne and the Moon, each planet and the Moon referring to this
// Sun. A copy is a set of its own, referring to its own Sun, so a tool can
// compute on a copy without moving the document's bodies.
#include "sky/CLune.h"
#include "sky/CPlanete.h"
#include "sky/CSoleil.h"
#include "archive/CSerialisable.h"

#include <array>
#include <filesystem>
#include <optional>

namespace zarn {

class CArchiveReader;
class CArchiveWriter;

class SolarBodies {
public:
    SolarBodies();
    SolarBodies(const SolarBodies& other);
    SolarBodies& operator=(const SolarBodies& other);

    // Body by index: 0 Sun, 1..5 planets, 6 Moon.
    CPlaSol& body(int index);
    const CPlaSol& body(int index) const;
    CPlanete& planet(int index) { return planets[index - 1]; }

    // The seven records of ELEMENTS.ZAR, without object tags, in index order.
    // Throws ArchiveError(Damaged) on a short or malformed file.
    void read(CArchiveReader& archive);
    void write(CArchiveWriter& archive) const;
    // Reads ELEMENTS.ZAR at `path`; the kind of error when it cannot.
    // On error the bodies read before the failure keep their new elements.
    std::optional<ArchiveError> load(const std::filesystem::path& path);

    // Computes every body for the instant; false if one of them fails.
    bool computeAll(const CInstant& instant);

    // Lets every body name its zodiac constellation from this sky collection.
    void setSky(const SkyDirectory* sky);

    CSoleil sun;
    std::array<CPlanete, 5> planets;
    CLune moon;

private:
    void wire();
};

}  // namespace zarn
