# SPDX-License-Identifier: GPL-3.0-or-later
"""Star attributes derived from the catalogue record: palette colour, and the
magnitudes and spectral types of the components of a double star."""

import math
import re

# Upper B-V limits of palette colours 1 (blue-white) to 10; redder is 11.
BV_LIMITS = (-0.20, -0.05, 0.10, 0.25, 0.40, 0.60, 0.80, 1.00, 1.20, 1.45)

# Typical B-V of a spectral class, for the stars without a measured colour.
CLASS_BV = {"O": -0.30, "B": -0.15, "A": 0.10, "F": 0.40, "G": 0.75,
            "K": 1.15, "M": 1.60, "C": 2.00, "S": 1.80, "N": 2.00, "R": 1.70}

# Within this separation the catalogue magnitude is the light of the pair.
BLENDED_SEPARATION = 10.0   # arcsec


def palette_colour(record):
    """Palette index 1 (blue) to 11 (red) from B-V, else from the spectral
    class; a star with neither is given the colour of the Sun."""
    bv = record.bv
    if bv is None:
        letter = re.search(r"[OBAFGKMCSNR]", record.sptype or "")
        bv = CLASS_BV[letter.group(0)] if letter else 0.65
    for colour, limit in enumerate(BV_LIMITS, start=1):
        if bv < limit:
            return colour
    return len(BV_LIMITS) + 1


def split_spectrum(sptype):
    """Spectral types of the components of a composite spectrum.

    "K0III+F3V" is two stars; "M2+III" (a late M2 giant) and "S3+/2-" are one:
    a component starts only where a spectral class follows the "+"."""
    if not sptype:
        return []
    parts = re.split(r"\+(?=(?:sd|d|g)?[OBAFGKMWCS])", sptype)
    return [p.strip() for p in parts if p.strip()]


def _blend(vmag, dmag):
    """Magnitudes of the two components whose combined light is vmag."""
    primary = vmag + 2.5 * math.log10(1.0 + 10.0 ** (-0.4 * dmag))
    return [primary, primary + dmag]


def _tenths(mag):
    return math.floor(mag * 10.0 + 0.5)


def _pair_magnitudes(record):
    """Magnitudes of the two stars of the pair named in MultID, or None."""
    mult = record.mult_id.strip()
    if record.dmag is None or len(mult) < 2 or mult[0] != "A" or mult[1] == "P":
        return None
    if record.sep is not None and record.sep > BLENDED_SEPARATION:
        return [record.vmag, record.vmag + record.dmag]
    return _blend(record.vmag, record.dmag)


def component_description(record, system):
    """Value of the second text map: magnitudes in tenths separated by "/",
    then each spectral type after a ";" ("19/29;A1V;A2Vm").

    `system` holds every catalogue record of the same double star (ADS
    number), this one included; when the components have records of their
    own, their magnitudes and types are listed in component order."""
    if len(system) > 1:
        magnitudes = [_tenths(r.vmag) for r in system]
        spectra = [sp for r in system for sp in split_spectrum(r.sptype)]
    else:
        pair = _pair_magnitudes(record)
        magnitudes = [_tenths(m) for m in pair] if pair else [record.vmag_tenths]
        spectra = split_spectrum(record.sptype)
    if any(";" in sp for sp in spectra):
        raise ValueError(f"HR {record.hr}: ';' in a spectral type")
    return ";".join(["/".join(str(m) for m in magnitudes)] + spectra)
