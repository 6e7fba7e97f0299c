// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A constellation of the catalogue: its names, the centre of its map, its
// stars and deep-sky objects and its figure. Some records are not real
// constellations but named groups the program relies on ("Lignes spéciales",
// "Objets", "Planètes", "Zenith").
//
// The objects are not owned here: a star may belong to the arrays of two
// constellations (a figure reaching into a neighbour), so the sky keeps every
// object once and deletes it once (see CCiel).
#include <cstdint>
#include <string>
#include <vector>

#include "archive/CSerialisable.h"

namespace zarn {

class CAstre;

class CConstellation : public CSerialisable {
public:
    CConstellation() = default;
    explicit CConstellation(std::string name, std::string abbreviation = {});

    const char* className() const override { return "CConstellation"; }
    // Reads the record; a figure segment that names an object beyond the array,
    // or an array element that is not a sky object, is damage.
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    const std::string& name() const { return m_name; }
    const std::string& secondName() const { return m_secondName; }
    const std::string& thirdName() const { return m_thirdName; }
    const std::string& abbreviation() const { return m_abbreviation; }
    int centreAlpha() const { return m_centreAlpha; }  // whole degrees
    int centreDelta() const { return m_centreDelta; }  // whole degrees
    const std::vector<CAstre*>& objects() const { return m_objects; }
    // Each value is one segment: low byte the first object, high byte the second.
    const std::vector<std::uint16_t>& figure() const { return m_figure; }

    void setNames(std::string name, std::string second, std::string third, std::string abbreviation);
    void setCentre(int alphaDegrees, int deltaDegrees);
    void setFigure(std::vector<std::uint16_t> figure) { m_figure = std::move(figure); }
    void append(CAstre* object) { m_objects.push_back(object); }
    // Takes the object out of the array; returns false when it was not there.
    bool remove(const CAstre* object);
    void clearObjects() { m_objects.clear(); }

private:
    std::string m_name;
    std::string m_secondName;
    std::string m_thirdName;
    std::string m_abbreviation;
    std::int16_t m_centreAlpha = 0;
    std::int8_t m_centreDelta = 0;
    std::vector<CAstre*> m_objects;
    std::vector<std::uint16_t> m_figure;
};

}  // namespace zarn
