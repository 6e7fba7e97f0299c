#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Accuracy of the engine's Sun, planet and Moon positions against PyEphem.

Runs `zarn-calc position BODY` at a few hundred instants spread over
1901-2099 (universal time: zone 0, no summer time) and compares the
geocentric ecliptic longitude and latitude of date with PyEphem's astrometric
geocentric position referred to the mean equinox of date. Prints the maximum
and RMS error per body, in degrees, and the distance errors of the Sun (AU)
and the Moon (Earth radii).

The engine computes in universal time without light time, as the program
does; PyEphem takes universal time too and applies ΔT and light time itself.
So this measures what a user sees, not the theory alone.

With --theory, PyEphem is taken at the instant whose terrestrial time equals
the engine's universal time: this isolates the theory from the ΔT of the
program's time argument.

usage: /usr/bin/python3 bench/accuracy/compare.py [ZARN_CALC [COUNT [--theory]]]
Needs python3-ephem (scripts/install-deps --bench).
"""

import math
import os
import subprocess
import sys

import ephem

BODIES = [("Soleil", ephem.Sun), ("Mercure", ephem.Mercury), ("Vénus", ephem.Venus),
          ("Mars", ephem.Mars), ("Jupiter", ephem.Jupiter), ("Saturne", ephem.Saturn),
          ("Lune", ephem.Moon)]
AU_KM = 149597870.7
EARTH_RADIUS_KM = 6378.14


def instants(count):
    """`count` instants from 1901-01-01 to 2099-12-31, evenly spaced with a
    deterministic spread over the time of day, whole minutes."""
    first = ephem.Date("1901/1/1 00:00")
    last = ephem.Date("2099/12/31 00:00")
    step = (last - first) / (count - 1)
    for i in range(count):
        day = first + i * step
        minutes = (i * 397) % 1440
        yield ephem.Date(math.floor(day - 0.5) + 0.5 + minutes / 1440.0)  # ephem days start at noon


def whole_minutes(date):
    """Calendar fields of a date rounded to the minute, immune to the float
    error that turns 08:49:00 into 08:48:59.99999."""
    rounded = ephem.Date(round(date * 1440.0) / 1440.0 + 1e-7)
    year, month, day, hour, minute, _ = rounded.tuple()
    return year, month, day, hour, minute


def engine(calc, body, fields):
    year, month, day, hour, minute = fields
    args = [calc, "position", body, "--date", f"{day}.{month}.{year}",
            "--time", f"{hour}.{minute:02d}", "--zone", "0", "--dst", "0",
            "--lon", "0.00E", "--lat", "0.00N", "--name", "Greenwich"]
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    return {k: float(v) for k, v in (pair.split("=") for pair in out.split())}


def reference(factory, date, theory):
    body = factory()
    if theory:
        # The instant whose terrestrial time equals the engine's universal time.
        date = ephem.Date(date - ephem.delta_t(date) / 86400.0)
    body.compute(date, epoch=date)
    ecl = ephem.Ecliptic(ephem.Equatorial(body.a_ra, body.a_dec, epoch=date), epoch=date)
    return (math.degrees(ecl.lon), math.degrees(ecl.lat), body.earth_distance,
            math.degrees(body.a_ra), math.degrees(body.a_dec))


def separation(ra1, dec1, ra2, dec2):
    """Angle between two equatorial directions, degrees."""
    a1, d1, a2, d2 = map(math.radians, (ra1, dec1, ra2, dec2))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(a1 - a2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def signed_difference(a, b):
    return (a - b + 180.0) % 360.0 - 180.0


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    calc = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "build", "bin", "zarn-calc")
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    theory = "--theory" in sys.argv
    dates = [whole_minutes(d) for d in instants(count)]
    mode = "theory: engine T taken as terrestrial time" if theory else "as the program shows it"
    print(f"{count} instants, 1901-2099, {mode}; engine minus PyEphem {ephem.__version__}, degrees")
    print(f"{'body':8} {'dlon max':>9} {'dlon rms':>9} {'dlat max':>9} {'dlat rms':>9} {'ra/dec max':>10}  distance")
    for name, factory in BODIES:
        dlon, dlat, ddist, deq = [], [], [], []
        worst = (0.0, None)
        for fields in dates:
            got = engine(calc, name, fields)
            date = ephem.Date(fields + (0,))
            lon, lat, dist, ra, dec = reference(factory, date, theory)
            deq.append(separation(got["ra"], got["dec"], ra, dec))
            e = signed_difference(got["lon"], lon)
            dlon.append(e)
            dlat.append(got["lat"] - lat)
            if abs(e) > worst[0]:
                worst = (abs(e), date)
            if name == "Lune":
                ddist.append(got["dist"] - dist * AU_KM / EARTH_RADIUS_KM)
            elif name == "Soleil":
                ddist.append(got["dist"] - dist)
        rms = lambda v: math.sqrt(sum(x * x for x in v) / len(v))
        extra = ""
        if ddist:
            unit = "Earth radii" if name == "Lune" else "AU"
            extra = f"max {max(abs(x) for x in ddist):.5f} {unit}, mean {sum(ddist) / len(ddist):+.5f}"
        print(f"{name:8} {max(map(abs, dlon)):9.4f} {rms(dlon):9.4f} {max(map(abs, dlat)):9.4f} "
              f"{rms(dlat):9.4f} {max(deq):10.4f}  {extra}  (worst {worst[1]})")


if __name__ == "__main__":
    main()
