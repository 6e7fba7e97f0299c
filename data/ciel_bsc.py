# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the Yale Bright Star Catalogue (bsc5.dat, fixed-width records of
197 bytes; byte columns in sources/catalogue/bsc5-format.md)."""

from decimal import Decimal, ROUND_HALF_UP

# Greek abbreviations of the catalogue -> the lower-case Latin code of the
# Symbol typeface that the constellation view turns back into a Greek name.
GREEK_CODES = {
    "Alp": "a", "Bet": "b", "Gam": "g", "Del": "d", "Eps": "e", "Zet": "z",
    "Eta": "h", "The": "q", "Iot": "i", "Kap": "k", "Lam": "l", "Mu": "m",
    "Nu": "n", "Xi": "x", "Omi": "o", "Pi": "p", "Rho": "r", "Sig": "s",
    "Tau": "t", "Ups": "u", "Phi": "j", "Chi": "c", "Psi": "y", "Ome": "w",
}


class BscRecord:
    """The fields of one stellar record that the catalogue needs."""

    __slots__ = ("hr", "flamsteed", "bayer", "component", "bsc_constellation",
                 "hd", "ads", "ads_component", "ra_deg", "dec_deg",
                 "ra_mdeg", "dec_mdeg", "vmag", "vmag_tenths", "bv",
                 "sptype", "dmag", "sep", "mult_id")


def _field(line, first, last):
    """Text of the 1-based inclusive byte columns first..last, blanks trimmed."""
    return line[first - 1:last].strip()


def _optional_float(text):
    return float(text) if text else None


def round_half_up(value):
    """Integer nearest to a Decimal, halves away from zero."""
    return int(value.quantize(Decimal(1), rounding=ROUND_HALF_UP))


def _position(line):
    """J2000 position in degrees and in exact thousandths of a degree.

    The thousandths are computed in decimal arithmetic from the catalogue's
    sexagesimal digits, so no float rounding can move a star by one unit."""
    h, m = int(line[75:77]), int(line[77:79])
    s = Decimal(line[79:83].strip())
    ra = (Decimal(h) + Decimal(m) / 60 + s / 3600) * 15
    sign = -1 if line[83] == "-" else 1
    d, dm, ds = int(line[84:86]), int(line[86:88]), int(line[88:90])
    dec = Decimal(d) + Decimal(dm) / 60 + Decimal(ds) / 3600
    ra_mdeg = round_half_up(ra * 1000) % 360000
    dec_mdeg = sign * round_half_up(dec * 1000)
    return float(ra), sign * float(dec), ra_mdeg, dec_mdeg


def parse_record(raw):
    """One BscRecord, or None for the 14 non-stellar records (no position)."""
    line = raw.rstrip("\r\n").ljust(197)
    if not line[75:77].strip():
        return None
    r = BscRecord()
    r.hr = int(line[0:4])
    flam = _field(line, 5, 7)
    r.flamsteed = int(flam) if flam else None
    bayer = _field(line, 8, 10)
    if bayer and bayer not in GREEK_CODES:
        raise ValueError(f"HR {r.hr}: unknown Bayer letter {bayer!r}")
    r.bayer = GREEK_CODES.get(bayer, "")
    digit = _field(line, 11, 11)
    r.component = int(digit) if digit else 0
    r.bsc_constellation = _field(line, 12, 14)
    r.hd = int(_field(line, 26, 31))
    ads = _field(line, 45, 49)
    r.ads = int(ads) if ads else None
    r.ads_component = _field(line, 50, 51)
    r.ra_deg, r.dec_deg, r.ra_mdeg, r.dec_mdeg = _position(line)
    vmag = Decimal(_field(line, 103, 107))
    r.vmag = float(vmag)
    r.vmag_tenths = round_half_up(vmag * 10)
    r.bv = _optional_float(_field(line, 110, 114))
    r.sptype = _field(line, 128, 147)
    r.dmag = _optional_float(_field(line, 181, 184))
    r.sep = _optional_float(_field(line, 185, 190))
    r.mult_id = line[190:194]
    return r


def read_catalogue(path):
    """Every stellar record of the file, in HR order."""
    records = []
    skipped = 0
    with open(path, encoding="ascii") as f:
        for raw in f:
            rec = parse_record(raw)
            if rec is None:
                skipped += 1
            else:
                records.append(rec)
    if skipped != 14:
        raise ValueError(f"expected 14 records without position, found {skipped}")
    return records
