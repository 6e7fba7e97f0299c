#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Accuracy of the almanac (rise and set, seasons, Moon phases, conjunctions
and oppositions) against PyEphem.

Everything is asked of `zarn-calc` in universal time (zone 0, no summer
time) and compared with PyEphem under the program's own conventions:
  - rise and set of the centre of the body, without refraction, at −0.61° for
    the Sun and 0° for the planets; for the Moon the program's rule (geocentric
    altitude = parallax − 0.61°) is PyEphem's topocentric centre at −0.61°;
  - seasons: PyEphem's equinoxes and solstices;
  - Moon phases: PyEphem's principal phases;
  - conjunctions in right ascension and oppositions in ecliptic longitude of
    date, found by bisection on PyEphem's apparent geocentric positions.
zarn-calc prints times to the minute (rise, set, seasons, phases, Moon
conjunctions) or to the nearest hour (planet conjunctions, oppositions): the
differences include that rounding.

usage: /usr/bin/python3 bench/almanac/compare.py [ZARN_CALC] [YEAR]
Needs python3-ephem.
"""

import math
import statistics
import subprocess
import sys

import ephem

CALC = sys.argv[1] if len(sys.argv) > 1 else "build/bin/zarn-calc"
YEAR = int(sys.argv[2]) if len(sys.argv) > 2 else 2003
UT = ["--zone", "0", "--dst", "0"]
PLACES = [("0°", "0.00N", "0.00E", "0", "0"), ("48.85° N", "48.51N", "2.21E", "48.85", "2.35"),
          ("60° N", "60.00N", "10.45E", "60", "10.75"), ("35° S", "35.00S", "149.08E", "-35", "149.13")]
BODIES = [("Soleil", ephem.Sun, "-0.61"), ("Mercure", ephem.Mercury, "0"), ("Vénus", ephem.Venus, "0"),
          ("Mars", ephem.Mars, "0"), ("Jupiter", ephem.Jupiter, "0"), ("Saturne", ephem.Saturn, "0"),
          ("Lune", ephem.Moon, "-0.61")]
MONTHS = ["janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
          "octobre", "novembre", "décembre"]


def calc(*args):
    out = subprocess.run([CALC, *args, *UT], capture_output=True, text=True, check=True)
    return out.stdout.splitlines()


def hmm(text):
    """Decimal hours of an h.mm text."""
    value = float(text)
    hours = int(value)
    return hours + round((value - hours) * 100) / 60.0


def summary(name, diffs, extra=""):
    if not diffs:
        print(f"{name:34s} no events {extra}")
        return
    absd = [abs(d) for d in diffs]
    print(f"{name:34s} n={len(diffs):5d}  max {max(absd):6.2f}  median {statistics.median(absd):5.2f}"
          f"  mean {statistics.fmean(d for d in diffs):+6.2f} min {extra}")


def rise_set(body_name, body_class, horizon, place):
    _, lat_text, lon_text, lat, lon = place
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.elevation = lat, lon, 0
    observer.pressure = 0
    observer.horizon = horizon
    body = body_class()
    diffs = []
    missing = 0
    for start in (f"11.1.{YEAR}", f"20.6.{YEAR}", f"28.11.{YEAR}"):
        rows = calc("ephem", body_name, "--date", start, "--lat", lat_text, "--lon", lon_text)
        for row in rows:
            date = row[:10].strip()
            day, month, year = (int(x) for x in date.split("."))
            d0 = ephem.Date(f"{year}/{month}/{day} 00:00")
            for column, (fn) in ((row[10:15], observer.next_rising), (row[15:21], observer.next_setting)):
                if len(row) < 21 or "visible" in row or "invisible" in row:
                    continue
                observer.date = d0
                try:
                    t = fn(body, use_center=True)
                except (ephem.AlwaysUpError, ephem.NeverUpError):
                    t = None
                ours = column.strip()
                theirs = (t - d0) * 24.0 if t is not None and t < d0 + 1 else None
                if ours == "-" or theirs is None:
                    missing += (ours == "-") != (theirs is None)
                    continue
                # An event within seconds of midnight may be counted on either
                # side of it: compare the times of day.
                diffs.append(((hmm(ours) - theirs + 12.0) % 24.0 - 12.0) * 60.0)
    return diffs, missing


def seasons():
    diffs = []
    for year in range(1901, 2100):
        lines = calc("seasons", str(year))
        start = ephem.Date(f"{year}/1/1")
        refs = [ephem.next_vernal_equinox(start), ephem.next_summer_solstice(start),
                ephem.next_autumnal_equinox(start), ephem.next_winter_solstice(start)]
        for line, ref in zip(lines, refs):
            words = line.split()
            day, month = int(words[2]), MONTHS.index(words[3]) + 1
            hour, minute = int(words[5]), int(words[7])
            ours = ephem.Date(f"{year}/{month}/{day} {hour}:{minute:02d}")
            diffs.append((ours - ref) * 1440.0)
    return diffs


def phases():
    diffs = []
    date = ephem.Date(f"{YEAR}/1/1")
    finders = {1: ephem.next_new_moon, 2: ephem.next_first_quarter_moon, 3: ephem.next_full_moon,
               4: ephem.next_last_quarter_moon}
    end = ephem.Date(f"{YEAR + 10}/1/1")
    while date < end:
        y, m, d, *_ = date.tuple()
        last = None
        for line in calc("phases", "--date", f"{d}.{m}.{y}"):
            code, day, value = line.split()
            dd, mm, yy = (int(x) for x in day.split("."))
            ours = ephem.Date(f"{yy}/{mm}/{dd}") + hmm(value) / 24.0
            ref = finders[int(code)](ours - 3)
            diffs.append((ours - ref) * 1440.0)
            last = ours
        date = ephem.Date(last + 1)
    return diffs


def bisect(f, a, b):
    fa = f(a)
    for _ in range(60):
        m = 0.5 * (a + b)
        fm = f(m)
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b = m
    return 0.5 * (a + b)


def signed(x):
    return (x + math.pi) % (2 * math.pi) - math.pi


def ra_difference(c1, c2):
    def f(t):
        a, b = c1(ephem.Date(t)), c2(ephem.Date(t))
        return signed(a.g_ra - b.g_ra)
    return f


def opposition_difference(cls):
    def f(t):
        date = ephem.Date(t)
        p, s = cls(date), ephem.Sun(date)
        lp = ephem.Ecliptic(ephem.Equatorial(p.g_ra, p.g_dec, epoch=date), epoch=date).lon
        ls = ephem.Ecliptic(ephem.Equatorial(s.g_ra, s.g_dec, epoch=date), epoch=date).lon
        return signed(ls + math.pi - lp)
    return f


def event_of(text):
    words = text.split()
    day, month, year = int(words[0]), MONTHS.index(words[1]) + 1, int(words[2])
    clock = words[4]
    hour, _, minute = clock.partition("h")
    return ephem.Date(f"{year}/{month}/{day} {int(hour)}:{int(minute or 0):02d}")


def events():
    cases = [
        ("Jupiter–Saturne 2020-12-21", ["conjunction", "Jupiter", "Saturne", "--date", "1.6.2020"],
         ra_difference(ephem.Jupiter, ephem.Saturn), "2020/12/19", "2020/12/23", True),
        ("Vénus–Jupiter 2023-03-02", ["conjunction", "Vénus", "Jupiter", "--date", "1.2.2023"],
         ra_difference(ephem.Venus, ephem.Jupiter), "2023/2/28", "2023/3/4", True),
        ("Lune–Vénus 2003-01-28", ["conjunction", "Lune", "Vénus", "--date", "1.1.2003"],
         ra_difference(ephem.Moon, ephem.Venus), "2003/1/27", "2003/1/30", False),
        ("Mars opposition 2003-08-28", ["opposition", "Mars", "--date", "1.1.2003"],
         opposition_difference(ephem.Mars), "2003/8/26", "2003/8/31", True),
        ("Jupiter opposition 2022-09-26", ["opposition", "Jupiter", "--date", "1.1.2022"],
         opposition_difference(ephem.Jupiter), "2022/9/20", "2022/10/1", True),
        ("Saturne opposition 2006-01-27", ["opposition", "Saturne", "--date", "1.1.2005", "--next", "1"],
         opposition_difference(ephem.Saturn), "2006/1/20", "2006/2/3", True),
    ]
    print("\nEvents (zarn-calc text; reference UT; difference in minutes, planet events shown to the hour):")
    for name, args, f, a, b, _ in cases:
        text = calc(*args)[0]
        ours = event_of(text)
        ref = ephem.Date(bisect(f, ephem.Date(a), ephem.Date(b)))
        print(f"  {name:30s} {text.strip():45s} ref {str(ref)[:16]}  diff {(ours - ref) * 1440.0:+7.1f}")


def main():
    print(f"Rise and set, year {YEAR} (minutes; missing = an event in one and not in the other):")
    for place in PLACES:
        for name, cls, horizon in BODIES:
            diffs, missing = rise_set(name, cls, horizon, place)
            summary(f"  {name:8s} lat {place[0]}", diffs, f" missing {missing}")
    print("\nSeasons 1901–2099 (minutes):")
    summary("  equinoxes and solstices", seasons())
    print(f"\nMoon phases {YEAR}–{YEAR + 9} (minutes):")
    summary("  principal phases", phases())
    events()


if __name__ == "__main__":
    main()
