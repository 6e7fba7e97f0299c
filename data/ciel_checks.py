# SPDX-License-Identifier: GPL-3.0-or-later
"""Invariants of the generated catalogue that the program relies on. Each
broken one stops the build with the reason."""

import math

from ciel_records import Star


def _require(condition, message):
    if not condition:
        raise ValueError(message)


def _check_constellations(cat):
    names = [c.name for c in cat.constellations]
    for pseudo in ("Lignes spéciales", "Objets", "Planètes"):
        _require(names.count(pseudo) == 1, f"pseudo-constellation {pseudo!r} missing or repeated")
    _require(len(set(names)) == len(names), "two constellations share a name")
    real = [c for c in cat.constellations if c.abbreviation]
    _require(len(real) == 88, f"{len(real)} constellations instead of 88")
    abbreviations = {c.abbreviation for c in real}
    _require(len(abbreviations) == 88, "two constellations share an abbreviation")
    for c in cat.constellations:
        _require(0 <= c.centre_ra < 360 and -90 <= c.centre_dec <= 90,
                 f"{c.name}: centre out of range")
        for word in c.figure:
            _require(word & 0xFF < len(c.objects) and word >> 8 < len(c.objects),
                     f"{c.name}: figure index out of the object array")
        for obj in c.objects:
            if isinstance(obj, Star):
                _require(obj.constellation in abbreviations,
                         f"object {obj.number} names unknown constellation {obj.constellation!r}")
    return real


def _check_membership(cat, real):
    """Each star is owned by the constellation it lies in; it appears
    elsewhere only as a shared figure star."""
    owners = {}
    for c in real:
        for obj in c.objects:
            if obj.constellation == c.abbreviation:
                _require(id(obj) not in owners, f"object {obj.number} owned twice")
                owners[id(obj)] = c
    every = list(cat.stars.values()) + [obj for _, _, obj in cat.messier]
    _require(all(id(obj) in owners for obj in every), "an object belongs to no constellation")


def _check_names(cat):
    holders = cat.name_holders()
    shared = {n: objs for n, objs in holders.items() if len(objs) > 1}
    _require(not shared, f"names held by several objects: {sorted(shared)}")
    for name in ("Castor", "Ras Algethi", "Algieba", "Alnitak", "Porrima", "Pléiades"):
        _require(name in holders, f"no object named {name!r}")
    _require(holders["Pléiades"][0].designation.startswith("A"), "the Pleiades are not a cluster")
    numbers = {s.number for s in cat.stars.values()}
    _require(len(numbers) == len(cat.stars), "two stars share a catalogue number")
    _require({23630, 106591} <= numbers, "Alcyone or Megrez missing")
    for obj in cat.stars.values():
        _require(not obj.designation[:1].isupper(), f"star code of {obj.number} starts upper-case")
    for name, _ in cat.labels:
        _require(name in holders, f"label for unknown name {name!r}")
    return holders


def check(cat):
    """Checks every invariant; returns the counts of the catalogue."""
    real = _check_constellations(cat)
    _check_membership(cat, real)
    holders = _check_names(cat)
    _require(not cat.figures.unmatched,
             f"figure corners without a star: {cat.figures.unmatched}")
    _require(cat.zodiac[-1].ra_limit >= 2 * math.pi, "last zodiac limit below 2 pi")
    _require(all(a.ra_limit < b.ra_limit for a, b in zip(cat.zodiac, cat.zodiac[1:])),
             "zodiac limits not increasing")
    _require(all(z.above in {c.abbreviation for c in real} and
                 z.below in {c.abbreviation for c in real} for z in cat.zodiac),
             "zodiac names an unknown constellation")
    shared = sum(1 for c in real for o in c.objects if o.constellation != c.abbreviation)
    return {
        "constellations": len(real),
        "stars": len(cat.stars),
        "deep-sky objects": len(cat.messier),
        "named objects": len(holders),
        "figure segments": sum(len(c.figure) for c in cat.constellations),
        "special-line segments": len(cat.special_segments),
        "shared figure stars": shared,
        "unmatched figure corners": len(cat.figures.unmatched),
        "reference-line points": len(cat.ecliptic) + len(cat.equator),
        "zodiac rows": len(cat.zodiac),
        "labels": len(cat.labels),
    }
