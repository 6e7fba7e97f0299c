# SPDX-License-Identifier: GPL-3.0-or-later
"""Constellation boundaries: which constellation a J2000 position lies in.

The IAU boundaries (Delporte, 1930) are arcs of constant right ascension and
constant declination of the equinox B1875.0. The boundary file gives the J2000
positions of their corners, so both the corners and the tested position are
precessed back to B1875 (IAU 1976 precession), where every edge is again a
straight line of constant RA or constant Dec.

The test casts a ray from the position northwards along its meridian and
counts the constant-declination edges it crosses: an odd count means inside,
except for the polygon that surrounds the north celestial pole (Ursa Minor),
where the ray ends inside and an even count means inside.
"""

import math

DEG = math.pi / 180.0
JD_J2000 = 2451545.0
JD_B1875 = 2405889.258550475


def _precession_angles(jd_target):
    """Lieske (1977) angles zeta, z, theta in radians from J2000 to jd_target."""
    t = (jd_target - JD_J2000) / 36525.0
    arcsec = DEG / 3600.0
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t ** 3) * arcsec
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t ** 3) * arcsec
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t ** 3) * arcsec
    return zeta, z, theta


_ZETA, _Z, _THETA = _precession_angles(JD_B1875)
_COS_T, _SIN_T = math.cos(_THETA), math.sin(_THETA)


def to_b1875(ra_deg, dec_deg):
    """Precesses a J2000 position (degrees) to B1875.0; RA in [0, 360)."""
    ra, dec = ra_deg * DEG + _ZETA, dec_deg * DEG
    a = math.cos(dec) * math.sin(ra)
    b = _COS_T * math.cos(dec) * math.cos(ra) - _SIN_T * math.sin(dec)
    c = _SIN_T * math.cos(dec) * math.cos(ra) + _COS_T * math.sin(dec)
    ra1 = (math.atan2(a, b) + _Z) / DEG % 360.0
    return ra1, math.asin(max(-1.0, min(1.0, c))) / DEG


def _ra_step(a, b):
    """Signed RA difference b - a taken the short way, in (-180, 180]."""
    d = (b - a) % 360.0
    return d - 360.0 if d > 180.0 else d


# Three corners of the Cepheus / Ursa Minor edge in the source stray up to
# 0.45 deg from the +88 deg parallel they belong to; they are put back on it.
POLE_PARALLEL = 88.0
POLE_SNAP = 0.5
EDGE_TOLERANCE = 1e-3   # degrees: an edge is of constant RA or Dec to this


class Boundary:
    """One closed boundary polygon of a constellation, in B1875 degrees."""

    def __init__(self, abbreviation, j2000_ring):
        self.abbreviation = abbreviation
        corners = [to_b1875(lon % 360.0, lat) for lon, lat in j2000_ring]
        corners = [(ra, POLE_PARALLEL if abs(dec - POLE_PARALLEL) < POLE_SNAP else dec)
                   for ra, dec in corners]
        if corners[0] == corners[-1]:
            corners.pop()
        self.edges = []     # (lowest RA, RA width, declination) of parallel edges
        winding = 0.0
        for (ra0, dec0), (ra1, dec1) in zip(corners, corners[1:] + corners[:1]):
            step = _ra_step(ra0, ra1)
            winding += step
            if abs(step) < EDGE_TOLERANCE:
                continue            # a meridian edge: the northward ray never crosses it
            if abs(dec1 - dec0) > EDGE_TOLERANCE:
                raise ValueError(f"{abbreviation}: boundary edge neither of constant RA "
                                 f"nor of constant Dec in B1875 ({ra0:.4f} {dec0:.4f} -> "
                                 f"{ra1:.4f} {dec1:.4f})")
            low = ra0 if step > 0 else ra1
            self.edges.append((low, abs(step), (dec0 + dec1) / 2.0))
        around_pole = abs(abs(winding) - 360.0) < 1e-6
        self.around_north_pole = around_pole and corners[0][1] > 0
        if abs(winding) > 1e-6 and abs(abs(winding) - 360.0) > 1e-6:
            raise ValueError(f"{abbreviation}: boundary winds {winding} degrees")
        self.min_dec = min(dec for _, dec in corners)
        self.max_dec = max(dec for _, dec in corners)
        if around_pole:     # the cap reaches the pole it surrounds
            if self.around_north_pole:
                self.max_dec = 90.0
            else:
                self.min_dec = -90.0

    def contains(self, ra, dec):
        """True when the B1875 position (degrees) lies inside the polygon."""
        if not self.min_dec <= dec <= self.max_dec:
            return False
        crossings = 0
        for low, width, edge_dec in self.edges:
            if edge_dec > dec and (ra - low) % 360.0 < width:
                crossings += 1
        return (crossings % 2 == 1) != self.around_north_pole


class Boundaries:
    """All boundary polygons; finds the constellation of a J2000 position."""

    def __init__(self, features):
        self.polygons = []
        for feature in features:
            geometry = feature["geometry"]
            if geometry["type"] != "Polygon" or len(geometry["coordinates"]) != 1:
                raise ValueError(f"{feature['id']}: expected one polygon ring")
            self.polygons.append(Boundary(feature["id"], geometry["coordinates"][0]))

    def constellation_of(self, ra_deg, dec_deg):
        """Source abbreviation (mixed case, "Ser" for both halves) of a J2000
        position; fails unless exactly one polygon holds it."""
        ra, dec = to_b1875(ra_deg, dec_deg)
        found = [p.abbreviation for p in self.polygons if p.contains(ra, dec)]
        if len(found) != 1:
            raise ValueError(f"position {ra_deg:.4f} {dec_deg:.4f} lies in "
                             f"{len(found)} boundary polygons {found}")
        return found[0]
