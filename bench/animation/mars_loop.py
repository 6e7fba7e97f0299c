#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mars's retrograde loop of 2024-2025 as the animation window draws it,
against PyEphem: the two stationary points (dates and longitudes), the
opposition-time latitude and the largest difference along the path.

usage: /usr/bin/python3 bench/animation/mars_loop.py build/bin/zarn-calc
"""
import datetime
import math
import subprocess
import sys

import ephem

CALC = sys.argv[1] if len(sys.argv) > 1 else "build/bin/zarn-calc"
START = datetime.date(2024, 9, 1)
DAYS = 8 * 30  # the animation's eight months


def engine(day):
    out = subprocess.run([CALC, "position", "Mars", "--date", f"{day.day}.{day.month}.{day.year}",
                          "--time", "0.00", "--lon", "0.00E", "--lat", "0.00N", "--zone", "0", "--dst", "0"],
                         capture_output=True, text=True, check=True).stdout
    fields = dict(item.split("=") for item in out.split())
    return float(fields["lon"]), float(fields["lat"])


def reference(day):
    mars = ephem.Mars(ephem.Date(f"{day.year}/{day.month}/{day.day}"))
    ecl = ephem.Ecliptic(mars, epoch=ephem.Date(f"{day.year}/{day.month}/{day.day}"))
    return math.degrees(ecl.lon), math.degrees(ecl.lat)


def stationaries(path):
    found = []
    for i in range(1, len(path) - 1):
        (d0, a), (d1, b), (d2, c) = path[i - 1], path[i], path[i + 1]
        if (b - a) * (c - b) < 0:
            found.append((d1, b))
    return found


eng, ref = [], []
worst = (0.0, None)
for n in range(DAYS + 1):
    day = START + datetime.timedelta(days=n)
    (le, be), (lr, br) = engine(day), reference(day)
    eng.append((day, le))
    ref.append((day, lr))
    diff = max(abs(le - lr), abs(be - br))
    if diff > worst[0]:
        worst = (diff, day)

print("stationary points (engine | PyEphem):")
for (de, le), (dr, lr) in zip(stationaries(eng), stationaries(ref)):
    print(f"  {de}  lon {le:7.2f}   |  {dr}  lon {lr:7.2f}")
lat = [engine(START + datetime.timedelta(days=n))[1] for n in range(120, 150)]
print(f"largest latitude near opposition: engine {max(lat):.2f}")
print(f"start lon {eng[0][1]:.2f}, end lon {eng[-1][1]:.2f} (PyEphem {ref[0][1]:.2f}, {ref[-1][1]:.2f})")
print(f"largest difference along the path: {worst[0]:.3f} deg on {worst[1]}")
