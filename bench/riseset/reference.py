#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reference rises and sets from PyEphem, for the rise and set series tests.

How the values are made
-----------------------
PyEphem 4.1.4 (Debian python3-ephem) gives the altitude of the body, and the
events are found here as the crossings of that altitude with the event
altitude h0, not with PyEphem's own rising and setting search, which is not
made for the poles. Conventions are the program's:
  - Soleil: centre at h0 = -0.61 deg; Vénus: centre at h0 = 0;
  - Lune: topocentric centre at -0.61 deg (the program's rule, geocentric
    altitude = parallax - 0.61 deg, is the same crossing);
  - no refraction (pressure 0), elevation 0, universal time.
Each body has its own year, chosen to hold the rare cases of a series: the
Sun from 1 March 2006 (polar night and midnight Sun at 66 and 70 deg), the
Moon from 1 March 2004 (short first passes above the horizon after days
below it, at 66 N, 70 N and 70 S), Venus from 1 July 2008 (the inferior
conjunction of March 2009, near right ascension 0 h, while the body moves
backwards across it).
Near the poles the Moon alone, from 1 January 2026, at 80, 85 and 89 deg N
and S (longitude 0): there its altitude follows its declination, with a
daily ripple of only a few degrees (80) down to a fraction of one (89), so
that it may cross h0 several times in a day or graze it for hours.

The altitude is sampled every 15 min (Moon) or 30 min (Sun, Venus) from 12 h
before to 12 h after the year; each change of sign is refined by bisection to
0.1 s, and each local extremum of the sampled altitude by golden-section
search, so that a pass above (or below) h0 shorter than the step is found too.

Each event carries a tolerance in minutes: the time in which the body's
altitude changes by 0.06 deg at that moment (the engine's position error is a
few hundredths of a degree), at least 2 min. An event whose pass above or
below h0 never gets further than 0.1 deg from it is grazing: a program with
another theory may or may not see it, so it is optional. A near miss (an
extremum within 0.1 deg of h0 that does not cross it) is written down too: a
program may report a grazing pair of events there.

Output (one series per place and body; times in minutes of universal time
from 0 h of the first day, one decimal):
  series LAT LON_EAST BODY H0 START_DAY.MONTH.YEAR DAYS
  r MINUTES [TOL]    rise (R when optional); TOL is omitted when 2
  s MINUTES [TOL]    set (S when optional)
  g MINUTES [TOL]    near miss

usage: /usr/bin/python3 bench/riseset/reference.py > tests/tools/data/RiseSetReference.txt
Takes several minutes (about 600 000 PyEphem positions).
"""

import math
import sys

import ephem

DAYS = 365
PLACES = [(0.0, 0.0), (48.85, 2.35), (66.0, 25.0), (70.0, 25.0), (-70.0, 25.0)]
BODIES = [("Soleil", ephem.Sun, -0.61, 30, (2006, 3, 1)), ("Lune", ephem.Moon, -0.61, 15, (2004, 3, 1)),
          ("Vénus", ephem.Venus, 0.0, 30, (2008, 7, 1))]
POLAR_PLACES = [(80.0, 0.0), (85.0, 0.0), (89.0, 0.0), (-80.0, 0.0), (-85.0, 0.0), (-89.0, 0.0)]
POLAR_BODIES = [("Lune", ephem.Moon, -0.61, 15, (2026, 1, 1))]
GRAZE = 0.1      # degrees
ALT_ERROR = 0.06  # degrees
MIN_TOL = 2.0    # minutes


class Altitude:
    def __init__(self, lat, lon, cls, h0):
        self.observer = ephem.Observer()
        self.observer.lat, self.observer.lon = str(lat), str(lon)
        self.observer.elevation = 0
        self.observer.pressure = 0
        self.body = cls()
        self.h0 = h0

    def __call__(self, t):
        """Altitude above h0 in degrees at Dublin Julian date t."""
        self.observer.date = t
        self.body.compute(self.observer)
        return math.degrees(self.body.alt) - self.h0


def bisect(f, a, fa, b):
    while (b - a) * 86400.0 > 0.1:
        m = 0.5 * (a + b)
        fm = f(m)
        if (fm > 0) == (fa > 0):
            a, fa = m, fm
        else:
            b = m
    return 0.5 * (a + b)


def extremum(f, a, b, sign):
    """Golden-section search of the maximum (sign 1) or minimum (-1) in [a, b]."""
    g = (math.sqrt(5.0) - 1.0) / 2.0
    c, d = b - g * (b - a), a + g * (b - a)
    fc, fd = sign * f(c), sign * f(d)
    while (b - a) * 1440.0 > 0.2:
        if fc > fd:
            b, d, fd = d, c, fc
            c = b - g * (b - a)
            fc = sign * f(c)
        else:
            a, c, fc = c, d, fd
            d = a + g * (b - a)
            fd = sign * f(d)
    t = 0.5 * (a + b)
    return t, f(t)


def series(f, start, step_minutes):
    step = step_minutes / 1440.0
    n = int((DAYS + 1) * 1440 / step_minutes) + 1
    times = [start - 0.5 + i * step for i in range(n)]
    values = [f(t) for t in times]
    crossings = []  # (time, +1 rise / -1 set)
    extrema = []    # (time, value, +1 max / -1 min)
    for i in range(1, n):
        if (values[i] > 0) != (values[i - 1] > 0):
            crossings.append((bisect(f, times[i - 1], values[i - 1], times[i]), 1 if values[i] > 0 else -1))
        if 0 < i < n - 1:
            for sign in (1, -1):
                if sign * values[i] > sign * values[i - 1] and sign * values[i] >= sign * values[i + 1]:
                    t, v = extremum(f, times[i - 1], times[i + 1], sign)
                    extrema.append((t, v, sign))
                    # A short pass across h0 between two samples.
                    same_side = (values[i - 1] > 0) == (values[i] > 0) == (values[i + 1] > 0)
                    # A rise then a set around a maximum, a set then a rise
                    # around a minimum.
                    if same_side and (v > 0) != (values[i] > 0):
                        crossings.append((bisect(f, times[i - 1], values[i - 1], t), sign))
                        crossings.append((bisect(f, t, v, times[i + 1]), -sign))
    crossings.sort()
    extrema.sort()
    return crossings, extrema


def rate(f, t):
    h = 1.0 / 1440.0
    return abs(f(t + h) - f(t - h)) / 2.0  # degrees per minute


def lines_for(f, start, step_minutes):
    crossings, extrema = series(f, start, step_minutes)
    out = []

    def minutes(t):
        return (t - start) * 1440.0

    def tolerance(t):
        r = rate(f, t)
        return max(MIN_TOL, min(120.0, ALT_ERROR / r if r > 0 else 120.0))

    def inside(t):
        return 0.0 <= minutes(t) < DAYS * 1440.0

    for t, kind in crossings:
        if not inside(t):
            continue
        before = [e for e in extrema if e[0] < t]
        after = [e for e in extrema if e[0] > t]
        # The extremum just before and just after: how far the body goes from
        # h0 on either side of this crossing.
        near = [abs(e[1]) for e in (before[-1:] + after[:1])]
        optional = any(v < GRAZE for v in near)
        letter = ("r" if kind > 0 else "s").upper() if optional else ("r" if kind > 0 else "s")
        out.append(format_event(letter, minutes(t), tolerance(t)))
    for t, v, sign in extrema:
        # A maximum just below h0, or a minimum just above it.
        if inside(t) and -GRAZE < sign * v <= 0.0:
            out.append(format_event("g", minutes(t), 30.0))
    out.sort(key=lambda line: float(line.split()[1]))
    return out


def format_event(letter, minutes, tol):
    text = f"{letter} {minutes:.1f}"
    return text if tol <= MIN_TOL else f"{text} {tol:.0f}"


def main():
    global DAYS
    runs = [(place, BODIES) for place in PLACES] + [(place, POLAR_BODIES) for place in POLAR_PLACES]
    args = sys.argv[1:]
    while len(args) >= 2:
        if args[0] == "--days":  # a shorter run, to try the script
            DAYS = int(args[1])
        elif args[0] == "--places":  # a part of the runs, by index (polar ones from 5), to share the work
            runs = [runs[int(i)] for i in args[1].split(",")]
        args = args[2:]
    print("# Rises and sets from PyEphem %s; made by bench/riseset/reference.py (see its header)." % ephem.__version__)
    for (lat, lon), bodies in runs:
        for name, cls, h0, step, (year, month, day) in bodies:
            f = Altitude(lat, lon, cls, h0)
            start = ephem.Date("%d/%d/%d" % (year, month, day))
            print(f"series {lat:.2f} {lon:.2f} {name} {h0} {day}.{month}.{year} {DAYS}")
            for line in lines_for(f, float(start), step):
                print(line)
            sys.stdout.flush()


if __name__ == "__main__":
    main()
