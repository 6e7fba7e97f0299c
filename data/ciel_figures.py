# SPDX-License-Identifier: GPL-3.0-or-later
"""Constellation figures: the polylines of the figure file, their corners
matched to catalogue stars."""

import math

MATCH_RADIUS_ARCSEC = 45.0
_DEG = math.pi / 180.0


def separation_arcsec(ra1, dec1, ra2, dec2):
    """Angular distance of two positions in degrees (haversine form, exact
    for small angles)."""
    s = (math.sin((dec2 - dec1) * _DEG / 2) ** 2
         + math.cos(dec1 * _DEG) * math.cos(dec2 * _DEG) * math.sin((ra2 - ra1) * _DEG / 2) ** 2)
    return 2 * math.asin(min(1.0, math.sqrt(s))) / _DEG * 3600.0


class StarIndex:
    """Stars bucketed by whole degree of declination, for neighbour searches."""

    def __init__(self, stars):
        self._bands = {}
        for star in stars:
            self._bands.setdefault(math.floor(star.dec_deg), []).append(star)

    def brightest_within(self, ra, dec, radius_arcsec):
        """The brightest star within the radius (ties: lowest HR), or None.

        The brightest and not the nearest: a figure corner often sits a few
        arcseconds from a faint companion of the star it means."""
        best = None
        band = math.floor(dec)
        for b in (band - 1, band, band + 1):
            for star in self._bands.get(b, ()):
                if separation_arcsec(ra, dec, star.ra_deg, star.dec_deg) <= radius_arcsec:
                    if best is None or (star.vmag, star.hr) < (best.vmag, best.hr):
                        best = star
        return best


class Figures:
    """Segments of each constellation figure as pairs of stars, keyed by the
    source abbreviation (the two halves of Serpens under one key)."""

    def __init__(self, features, index):
        self.segments = {}
        self.unmatched = []     # (abbreviation, lon, lat) of corners without a star
        for feature in features:
            abbr = feature["id"]
            segments = self.segments.setdefault(abbr, [])
            for line in feature["geometry"]["coordinates"]:
                stars = [self._match(abbr, lon, lat, index) for lon, lat in line]
                for a, b in zip(stars, stars[1:]):
                    self._add(segments, a, b)

    def _match(self, abbr, lon, lat, index):
        star = index.brightest_within(lon % 360.0, lat, MATCH_RADIUS_ARCSEC)
        if star is None:
            self.unmatched.append((abbr, lon, lat))
        return star

    @staticmethod
    def _add(segments, a, b):
        if a is None or b is None:
            return
        if a is b:
            raise ValueError(f"figure segment from HR {a.hr} to itself")
        if (a, b) not in segments and (b, a) not in segments:
            segments.append((a, b))

    def segment_count(self):
        return sum(len(s) for s in self.segments.values())
