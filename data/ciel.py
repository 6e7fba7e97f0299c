#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the sky catalogue CIEL.ZAR from the committed source tables.

    ciel.py SOURCES_DIR OUTPUT_FILE [--stats]

The output depends on the sources only: every collection is walked in a fixed
order, so the same sources give the same bytes. The generator checks the
invariants the program relies on and fails (exit status 1) when one breaks.
"""

import json
import math
import os
import sys
import unicodedata
from decimal import Decimal

import ciel_names
from ciel_bsc import read_catalogue, round_half_up
from ciel_figures import Figures, StarIndex
from ciel_lines import ecliptic_points, equator_points, zodiac_table, TWO_PI
from ciel_records import Constellation, Star, pack_attributes
from ciel_sky import Boundaries
from ciel_stars import component_description, palette_colour
from zar import ArchiveWriter

STAR_MAG_LIMIT = 6.3
SPECIAL_LINES = "Lignes spéciales"
USER_OBJECTS = "Objets"
PLANETS = "Planètes"

# Alpheratz (once also delta Peg) and Elnath (once also gamma Aur) belonged
# to two constellations until the boundaries of 1930. The lines that join
# them to Pegasus and to Auriga are drawn with the special lines, so each
# star stays a member of its own constellation only.
JOINING_STARS = (358, 35497)            # HD numbers

# Deep-sky kinds by the first letter of the code: A cluster, N nebula, G galaxy.
MESSIER_KINDS = {"gc": "A", "oc": "A", "pos": "A",
                 "e": "G", "s": "G", "i": "G",
                 "pn": "N", "snr": "N", "rn": "N", "sfr": "N"}

# Stars whose name the program gives a fixed effective magnitude, and the two
# stars it treats specially by catalogue number (Alcyone, Megrez).
REQUIRED_NAMES = ("Castor", "Ras Algethi", "Algieba", "Alnitak", "Porrima")
REQUIRED_NUMBERS = (23630, 106591)


def load_json(sources, name):
    with open(os.path.join(sources, "d3-celestial", name), encoding="utf-8") as f:
        return json.load(f)["features"]


def collation_key(text):
    """Alphabetical order of French names: accents and case ignored."""
    plain = "".join(c for c in unicodedata.normalize("NFD", text)
                    if not unicodedata.combining(c))
    return plain.casefold(), text


def thousandths(deg):
    """Degrees given in decimal text (the source's digits) to thousandths."""
    return round_half_up(Decimal(repr(deg)) * 1000)


class Catalogue:
    """Everything CIEL.ZAR holds, built from the sources."""

    def __init__(self, sources):
        self.sources = sources
        self.records = read_catalogue(os.path.join(sources, "bsc5.dat"))
        self.boundaries = Boundaries(load_json(sources, "constellations.bounds.json"))
        self.names = ciel_names.ConstellationNames(sources)
        self.selected = [r for r in self.records if r.vmag <= STAR_MAG_LIMIT]
        self.home = {r.hr: self.boundaries.constellation_of(r.ra_deg, r.dec_deg)
                     for r in self.selected}
        self.star_names = ciel_names.star_names(sources, {r.hd: r for r in self.selected})
        self.stars = {r.hr: self._star(r) for r in self.selected}
        self.messier = self._messier_objects()
        self.figures = Figures(load_json(sources, "constellations.lines.json"),
                               StarIndex(self.selected))
        self.special_stars = []
        self.special_segments = []
        self.constellations = self._constellations()
        self.ecliptic = ecliptic_points()
        self.equator = equator_points()
        self.constellations += self._pseudo_constellations()
        self.zodiac = zodiac_table(
            ciel_names.read_tsv(os.path.join(sources, "zodiac-proposal.tsv")), self.abbreviation)
        self.labels = ciel_names.labels(sources)
        self.details = self._component_details()

    @staticmethod
    def abbreviation(source_abbr):
        return source_abbr.upper()

    # -- objects -----------------------------------------------------------
    def _star(self, r):
        code = str(r.flamsteed) if r.flamsteed else ""
        name = self.star_names.get(r.hd)
        designation = f"{code}*{name}" if name else code
        attributes = pack_attributes(r.component, r.vmag_tenths, palette_colour(r))
        return Star("CEtoile", r.hd, attributes, r.ra_mdeg, r.dec_mdeg,
                    self.abbreviation(self.home[r.hr]), designation, r.bayer)

    def _messier_objects(self):
        """(source abbreviation, Messier number, object) in Messier order."""
        names = ciel_names.messier_names(self.sources)
        objects = []
        for feature in load_json(self.sources, "messier.json"):
            number = int(feature["id"][1:])
            props = feature["properties"]
            lon, lat = feature["geometry"]["coordinates"]
            ra = lon % 360.0
            home = self.boundaries.constellation_of(ra, lat)
            tenths = math.floor(props["mag"] * 10 + 0.5)
            code = f"{MESSIER_KINDS[props['type']]}M{number}"
            obj = Star("CMessier", number, pack_attributes(0, tenths, 0),
                       thousandths(ra) % 360000, thousandths(lat),
                       self.abbreviation(home), f"{code}*{names[number]}", "")
            objects.append((home, number, obj))
        objects.sort(key=lambda t: t[1])
        return objects

    # -- constellations ----------------------------------------------------
    def _constellations(self):
        by_home = {}
        for r in sorted(self.selected, key=lambda r: (r.vmag_tenths, r.hr)):
            by_home.setdefault(self.home[r.hr], []).append(self.stars[r.hr])
        result = []
        for abbr in sorted(self.names.french, key=lambda a: collation_key(self.names.french[a])):
            c = Constellation(self.names.french[abbr], self.names.latin[abbr],
                              self.names.genitive[abbr], self.abbreviation(abbr),
                              *self.names.centre[abbr])
            segments = self._own_segments(abbr)
            figure_stars = _first_appearances(segments)
            c.objects = figure_stars + [s for s in by_home.get(abbr, []) if s not in figure_stars]
            c.objects += [obj for home, _, obj in self.messier if home == abbr]
            c.figure = _figure_words(c.objects, segments)
            result.append(c)
        return result

    def _own_segments(self, abbr):
        """The segments drawn with the constellation itself; those that reach
        a joining star of a neighbour go to the special lines."""
        own = []
        for a, b in self.figures.segments.get(abbr, []):
            joined = any(r.hd in JOINING_STARS and self.home[r.hr] != abbr for r in (a, b))
            pair = (self.stars[a.hr], self.stars[b.hr])
            (self.special_segments if joined else own).append(pair)
        return own

    def _pseudo_constellations(self):
        special = Constellation(SPECIAL_LINES, "", "", "", 0, 0)
        self.special_stars = _first_appearances(self.special_segments)
        special.objects = self.special_stars + self.ecliptic + self.equator
        special.figure = _figure_words(special.objects, self.special_segments)
        return [Constellation(USER_OBJECTS, "", "", "", 0, 0),
                Constellation(PLANETS, "", "", "", 0, 0),
                special]

    # -- text maps ---------------------------------------------------------
    def _component_details(self):
        systems = {}
        for r in self.records:
            if r.ads is not None:
                systems.setdefault(r.ads, []).append(r)
        for members in systems.values():
            members.sort(key=lambda r: (r.ads_component, r.hr))
        return [(str(r.hd), component_description(r, systems.get(r.ads, [r])))
                for r in sorted(self.selected, key=lambda r: r.hd)]

    def name_holders(self):
        """Proper name -> objects holding it, over every constellation."""
        holders = {}
        for c in self.constellations:
            for obj in c.objects:
                if isinstance(obj, Star) and "*" in obj.designation:
                    name = obj.designation.split("*", 1)[1]
                    if name and obj not in holders.setdefault(name, []):
                        holders[name].append(obj)
        return holders

    # -- output ------------------------------------------------------------
    def write(self, path):
        w = ArchiveWriter()
        w.object_array(self.constellations)
        w.object_array(self.ecliptic + self.equator)
        w.object_array(self.zodiac)
        w.text_map(sorted((name, str(code)) for name, code in self.labels))
        w.text_map(self.details)
        w.save(path)
        return len(w.getvalue())


def _first_appearances(segments):
    stars = []
    for a, b in segments:
        for s in (a, b):
            if s not in stars:
                stars.append(s)
    return stars


def _figure_words(objects, segments):
    """Segment words: low byte first star, high byte second star."""
    index = {id(obj): i for i, obj in enumerate(objects)}
    words = []
    for a, b in segments:
        i, j = index[id(a)], index[id(b)]
        if i > 255 or j > 255:
            raise ValueError(f"figure star index {max(i, j)} does not fit one byte")
        words.append(i | (j << 8))
    return words


def main(argv):
    import ciel_checks
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        catalogue = Catalogue(argv[1])
        stats = ciel_checks.check(catalogue)
        size = catalogue.write(argv[2])
    except (ValueError, KeyError, OSError) as error:
        print(f"ciel.py: {error}", file=sys.stderr)
        return 1
    if "--stats" in argv:
        for key, value in stats.items():
            print(f"{key}: {value}")
        print(f"bytes: {size}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
