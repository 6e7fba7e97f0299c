# SPDX-License-Identifier: GPL-3.0-or-later
"""Names in French usage: constellations, proper names of stars, deep-sky
objects, and the label placements of the charts."""

import csv
import json
import os
from collections import Counter

# The source separates words of 20 French constellation names with a
# four-per-em space (U+2005).
WIDE_SPACES = {"\u2005": " ", "\u2009": " ", "\u00a0": " "}

# Stars brighter than this keep the proper name of the star-name table;
# fainter ones are named only when the French list names them.
NAME_MAG_LIMIT = 4.0


def plain_spaces(text):
    for wide, plain in WIDE_SPACES.items():
        text = text.replace(wide, plain)
    return text


def read_tsv(path):
    """Rows of a tab-separated file with a header line, '#' lines skipped."""
    with open(path, encoding="utf-8", newline="") as f:
        lines = [line for line in f if not line.startswith("#")]
    return list(csv.DictReader(lines, delimiter="\t"))


class ConstellationNames:
    """French, Latin and genitive names, keyed by the source abbreviation."""

    def __init__(self, sources):
        features = json.load(open(os.path.join(sources, "d3-celestial", "constellations.json"),
                                  encoding="utf-8"))["features"]
        corrections = {row["abbr"]: row["french"]
                       for row in read_tsv(os.path.join(sources, "constellation-names.tsv"))}
        self.french, self.latin, self.genitive, self.centre = {}, {}, {}, {}
        for feature in features:
            abbr, props = feature["id"], feature["properties"]
            self.french[abbr] = corrections.get(abbr, plain_spaces(props["fr"]))
            self.genitive[abbr] = props["gen"]
            # Serpens comes twice ("Serpens Caput", "Serpens Cauda"): one record.
            self.latin[abbr] = "Serpens" if abbr == "Ser" else props["name"]
            ra, dec = props["display"][0], props["display"][1]
            self.centre[abbr] = (round(ra % 360.0) % 360, round(dec))
        unknown = set(corrections) - set(self.french)
        if unknown:
            raise ValueError(f"name corrections for unknown constellations {sorted(unknown)}")


def _hd_number(text):
    """'HD 48915' (with a thin space in the source) -> 48915."""
    return int(plain_spaces(text).split()[1])


def star_names(sources, stars_by_hd):
    """Proper name of each named star, keyed by HD number.

    A name held by several stars is kept only by the brightest, so that every
    name shown leads to one star."""
    names = {}
    table = json.load(open(os.path.join(sources, "d3-celestial", "starnames.json"),
                           encoding="utf-8"))
    for entry in table.values():
        if not entry.get("name") or not entry.get("hd"):
            continue
        star = stars_by_hd.get(_hd_number(entry["hd"]))
        if star is not None and star.vmag <= NAME_MAG_LIMIT:
            names[star.hd] = plain_spaces(entry["name"]).strip()
    for row in read_tsv(os.path.join(sources, "french-star-names.tsv")):
        if int(row["hd"]) in stars_by_hd:
            names[int(row["hd"])] = row["french"]
    for row in read_tsv(os.path.join(sources, "star-names-extra.tsv")):
        hd = int(row["hd"])
        if hd not in stars_by_hd:
            raise ValueError(f"star-names-extra.tsv: HD {hd} is not in the catalogue")
        if row["name"]:
            names[hd] = row["name"]
        else:
            names.pop(hd, None)
    holders = {}
    for hd in sorted(names, key=lambda h: (stars_by_hd[h].vmag, stars_by_hd[h].hr)):
        holders.setdefault(names[hd], hd)
    return {hd: name for hd, name in names.items() if holders[name] == hd}


def messier_names(sources):
    """French name of each Messier object by number; "M n" when there is no
    usual French name or when the name belongs to a group of objects."""
    rows = read_tsv(os.path.join(sources, "french-dso-names.tsv"))
    french = {int(row["messier"][1:]): row["french"] for row in rows}
    uses = Counter(name for name in french.values() if name)
    return {number: (name if name and uses[name] == 1 else f"M {number}")
            for number, name in french.items()}


def labels(sources):
    """(name, placement code) pairs of the names that charts label."""
    return [(row["name"], int(row["code"]))
            for row in read_tsv(os.path.join(sources, "labels.tsv"))]
