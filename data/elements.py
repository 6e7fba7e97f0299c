#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generates ELEMENTS.ZAR from the theory tables of sources/theory/.

The file holds seven records without object tags, in the order Sun, Mercure,
Vénus, Mars, Jupiter, Saturne (name, then the 24 element coefficients,
coefficient-major: for j = 0..3, for row r = 0..5, a[r][j]) and the Moon (50
longitude terms in degrees, the first 37 latitude terms in arcseconds, 29
distance terms in Earth radii, each a double and four signed bytes, the
multipliers of M', F, D and M; then the mean elements L', M', Omega, L, M as
pairs c0, c1 in degrees). The T^2 terms of the Moon's mean elements are
constants of the engine, not of the file.

usage: elements.py SOURCE_DIR OUTPUT
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zar import double, byte, text  # noqa: E402

# Names as the program shows them, in body-index order.
BODIES = [("Soleil", "Soleil"), ("Mercure", "Mercure"), ("Venus", "Vénus"),
          ("Mars", "Mars"), ("Jupiter", "Jupiter"), ("Saturne", "Saturne")]
MEAN_ELEMENTS = ["Lprime", "Mprime", "Omega", "L", "M"]
LONGITUDE_TERMS, LATITUDE_TERMS, DISTANCE_TERMS = 50, 37, 29


def read_table(path):
    """Rows of a tab-separated table as dicts keyed by the header."""
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    header = lines[0].split("\t")
    rows = []
    for line in lines[1:]:
        cells = line.split("\t")
        if len(cells) != len(header):
            raise ValueError(f"{path}: bad row {line!r}")
        rows.append(dict(zip(header, cells)))
    return rows


def body_record(name, rows):
    by_row = {int(r["row"]): r for r in rows}
    if sorted(by_row) != list(range(6)):
        raise ValueError(f"{name}: element rows 0-5 expected")
    out = text(name)
    for j in range(4):
        for r in range(6):
            out += double(float(by_row[r][f"a{j}"]))
    return out


def terms(rows, count, coefficient):
    if len(rows) < count:
        raise ValueError(f"{count} terms expected, {len(rows)} found")
    out = b""
    for i, row in enumerate(rows[:count]):
        if int(row["index"]) != i:
            raise ValueError(f"term {i} out of order")
        out += double(float(row[coefficient]))
        for key in ("mMprime", "mF", "mD", "mM"):
            out += byte(int(row[key]))
    return out


def moon_record(src):
    latitude = [r for r in read_table(os.path.join(src, "moon_latitude.tsv")) if r["keep"] == "1"]
    out = terms(read_table(os.path.join(src, "moon_longitude.tsv")), LONGITUDE_TERMS, "coef_deg")
    out += terms(latitude, LATITUDE_TERMS, "coef_arcsec")
    out += terms(read_table(os.path.join(src, "moon_distance.tsv")), DISTANCE_TERMS, "coef_earth_radii")
    means = {r["name"]: r for r in read_table(os.path.join(src, "moon_mean_elements.tsv"))}
    for name in MEAN_ELEMENTS:
        out += double(float(means[name]["c0"])) + double(float(means[name]["c1"]))
    return out


def build(src):
    planets = read_table(os.path.join(src, "sun_planets.tsv"))
    out = b""
    for key, name in BODIES:
        out += body_record(name, [r for r in planets if r["body"] == key])
    return out + moon_record(src)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    data = build(argv[1])
    tmp = argv[2] + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
