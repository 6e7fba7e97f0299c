#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The tasks of the zarn-calc speed figures, done with PyEphem for comparison.

    /usr/bin/python3 bench/calc/pyephem_tasks.py seasons|phases|position

Prints the same kind of rows as zarn-calc --tsv (UT here) so that both sides
do the work of formatting too. Paris, from 1 January 2026 0 h UT.
"""
import sys

import ephem


def seasons():
    for year in range(1901, 2100):
        start = ephem.Date(f"{year}/1/1")
        for name, find in (("printemps", ephem.next_vernal_equinox), ("ete", ephem.next_summer_solstice),
                           ("automne", ephem.next_autumnal_equinox), ("hiver", ephem.next_winter_solstice)):
            print(name, find(start), sep="\t")


def phases(count=1000):
    order = [("NL", ephem.next_new_moon), ("PQ", ephem.next_first_quarter_moon),
             ("PL", ephem.next_full_moon), ("DQ", ephem.next_last_quarter_moon)]
    date = ephem.Date("2026/1/1")
    found = [(find(date), i) for i, (_, find) in enumerate(order)]
    when, i = min(found)
    for _ in range(count):
        print(order[i][0], ephem.Date(when), sep="\t")
        i = (i + 1) % 4
        when = order[i][1](ephem.Date(when + ephem.minute))


def position(count=8760):
    paris = ephem.Observer()
    paris.lon, paris.lat = "2.3333", "48.85"
    paris.pressure = 0  # no refraction, like the engine
    mars = ephem.Mars()
    start = ephem.Date("2026/1/1")
    for i in range(count):
        paris.date = start + i * ephem.hour
        mars.compute(paris)
        print(ephem.Date(paris.date), f"{mars.ra * 57.29577951308232:.6f}", f"{mars.dec * 57.29577951308232:.6f}",
              f"{mars.earth_distance:.6f}", f"{mars.alt * 57.29577951308232:.6f}",
              f"{mars.az * 57.29577951308232:.6f}", sep="\t")


if __name__ == "__main__":
    {"seasons": seasons, "phases": phases, "position": position}[sys.argv[1]]()
