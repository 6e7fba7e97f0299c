#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference instants for the legal-time tests (tests/time/ZoneEventsTest.cpp),
# computed once with Debian's python3-ephem and stored there: the first full
# Moon, the Sun's rise (centre at -0.61 degree, no refraction model) and the
# next Moon-Jupiter conjunction in right ascension after a date, in three
# places on zones of the time-zone database. Printed in universal time.
#   /usr/bin/python3 bench/legaltime/reference.py
import math
import ephem

PLACES = [
    # name, zone, latitude, longitude (east positive), start date (UT)
    ("Sydney", "Australia/Sydney", "-33:52", "151:12", "2026/1/10"),
    ("Kolkata", "Asia/Kolkata", "22:34", "88:22", "2026/3/10"),
    ("New York", "America/New_York", "40:43", "-74:00", "2026/7/5"),
]


def conjunction(start):
    """Moon and Jupiter at equal apparent right ascension, after start."""
    moon, jupiter = ephem.Moon(), ephem.Jupiter()

    def diff(t):
        moon.compute(t)
        jupiter.compute(t)
        d = float(moon.g_ra) - float(jupiter.g_ra)
        return (d + math.pi) % (2 * math.pi) - math.pi

    t = ephem.Date(start)
    step = 1.0 / 24
    for _ in range(24 * 40):
        if diff(t) < 0 <= diff(t + step):
            a, b = t, t + step
            for _ in range(60):
                m = (a + b) / 2
                if diff(m) < 0:
                    a = m
                else:
                    b = m
            return ephem.Date(a)
        t += step
    raise RuntimeError("no conjunction")


for name, zone, lat, lon, start in PLACES:
    obs = ephem.Observer()
    obs.lat, obs.lon = lat, lon
    obs.elevation = 0
    obs.pressure = 0
    obs.horizon = "-0:36.6"  # -0.61 degree
    obs.date = start
    full = ephem.next_full_moon(start)
    rise = obs.next_rising(ephem.Sun(), use_center=True)
    conj = conjunction(start)
    for what, t in (("PL", full), ("lever", rise), ("conjonction", conj)):
        print(f'{{"{zone}", "{what}", "{ephem.Date(t).datetime():%Y-%m-%d %H:%M:%S}"}},')
