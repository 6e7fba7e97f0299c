# SPDX-License-Identifier: GPL-3.0-or-later
"""The archived classes of the sky catalogue, with their fields in file order."""

MAG_SIGN = 0x40     # bit 6 of the 7-bit magnitude field: negative
MAG_MAX = 63        # largest magnitude value, tenths


def pack_attributes(component, magnitude_tenths, colour):
    """Packed attribute word: component in bits 0-3, magnitude in tenths in
    bits 4-10 (sign and value), palette colour in bits 11-14."""
    if not 0 <= component <= 15 or not 0 <= colour <= 15:
        raise ValueError(f"component {component} or colour {colour} out of range")
    value = min(abs(magnitude_tenths), MAG_MAX)
    if magnitude_tenths < 0:
        value |= MAG_SIGN
    return component | (value << 4) | (colour << 11)


class Star:
    """A catalogue star (`CEtoile`) or, with kind "CMessier", a deep-sky object."""

    def __init__(self, zar_class, number, attributes, ra_mdeg, dec_mdeg,
                 constellation, designation, letter):
        self.zar_class = zar_class
        self.number = number
        self.attributes = attributes
        self.ra_mdeg = ra_mdeg
        self.dec_mdeg = dec_mdeg
        self.constellation = constellation
        self.designation = designation
        self.letter = letter

    def zar_fields(self, w):
        w.long(self.number)
        w.word(self.attributes)
        w.long(self.ra_mdeg)
        w.long(self.dec_mdeg)
        w.text(self.constellation)
        w.text(self.designation)
        w.text(self.letter)


class LinePoint:
    """A point of the ecliptic ("CPointEcliptique") or of the equator
    ("CPointEquateur"), in radians."""

    def __init__(self, zar_class, ra, dec):
        self.zar_class = zar_class
        self.ra = ra
        self.dec = dec

    def zar_fields(self, w):
        w.double(self.ra)
        w.double(self.dec)


class Zodiac:
    """One row of the zodiac table (`CZodiac`)."""

    zar_class = "CZodiac"

    def __init__(self, ra_limit, dec_limit, above, below):
        self.ra_limit = ra_limit
        self.dec_limit = dec_limit
        self.above = above
        self.below = below

    def zar_fields(self, w):
        w.double(self.ra_limit)
        w.double(self.dec_limit)
        w.text(self.above)
        w.text(self.below)


class Constellation:
    """A constellation (`CConstellation`) with its objects and figure."""

    zar_class = "CConstellation"

    def __init__(self, name, second, third, abbreviation, centre_ra, centre_dec):
        self.name = name
        self.second = second
        self.third = third
        self.abbreviation = abbreviation
        self.centre_ra = centre_ra
        self.centre_dec = centre_dec
        self.objects = []
        self.figure = []

    def zar_fields(self, w):
        w.text(self.name)
        w.text(self.second)
        w.text(self.third)
        w.text(self.abbreviation)
        w.word(self.centre_ra)
        w.byte(self.centre_dec)
        w.object_array(self.objects)
        w.word_array(self.figure)
