#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rise and set tables of zarn-calc against the stored PyEphem reference.

Reads the reference written by bench/riseset/reference.py (the Sun, the Moon
and Venus at 0, 48.85, 66, 70 N and 70 S over a year, universal time), runs
`zarn-calc ephem` for the same places and days (zone 0, no summer time) and
counts, for each place and body:
  events  the reference's rises and sets (grazing ones left out: see the
          reference's header),
  > 2 min reference events that the table does not show within 2 minutes
          (an event missing from the table counts here),
  missing reference events with nothing of the same kind within 30 minutes,
  spurious events of the table with no reference event of the same kind
          (grazing ones and near misses included) within 30 minutes,
  twice   events of the table within 30 minutes of another of the same kind
          (one event listed twice),
  grazing grazing reference events (not counted above), and how many of them
          the table does not show within 2 minutes,
  max     the largest difference of a required event shown within 30 min.
Every event of a day is counted, second rises and sets included (the table
of the window shows at most one second event a day).

usage: /usr/bin/python3 bench/riseset/compare.py [ZARN_CALC] [REFERENCE]
"""

import bisect
import datetime
import subprocess
import sys

CALC = sys.argv[1] if len(sys.argv) > 1 else "build/bin/zarn-calc"
REFERENCE = sys.argv[2] if len(sys.argv) > 2 else "tests/tools/data/RiseSetReference.txt"
DAYS_BEFORE = 10


def read_reference(path):
    series = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "series":
                lat, lon, body, h0, start, days = words[1:7]
                series.append({"lat": float(lat), "lon": float(lon), "body": body, "start": start,
                               "days": int(days), "events": []})
            else:
                tol = float(words[2]) if len(words) > 2 else 2.0
                series[-1]["events"].append((words[0], float(words[1]), tol))
    return series


def packed(value, positive, negative):
    """Degrees as the D.MM text of the command line, with its side."""
    degrees = int(abs(value))
    minutes = round((abs(value) - degrees) * 60.0)
    return f"{degrees + minutes / 100.0:.2f}{positive if value >= 0 else negative}"


def table_events(s):
    """(kind, minutes from the series start) of zarn-calc's days, second
    events included (the --tsv columns lever, coucher, lever2, coucher2)."""
    d0, m0, y0 = (int(x) for x in s["start"].split("."))
    start = datetime.date(y0, m0, d0)
    # Ten days more: a zarn-calc that starts its table ten days before the
    # date still covers the whole series.
    rows = subprocess.run(
        [CALC, "ephem", s["body"], "--date", f"{d0}.{m0}.{y0}", "--days", str(s["days"] + DAYS_BEFORE), "--tsv",
         "--lat", packed(s["lat"], "N", "S"), "--lon", packed(s["lon"], "E", "W"),
         "--zone", "0", "--dst", "0"], capture_output=True, text=True, check=True).stdout.splitlines()
    events = []
    for row in rows[1:]:
        cells = row.split("\t")
        offset = (datetime.date.fromisoformat(cells[0]) - start).days
        if not 0 <= offset < s["days"]:
            continue
        for kind, text in zip("rsrs", cells[2:6]):
            if text:
                h, m, sec = (int(x) for x in text.split(":"))
                events.append((kind, offset * 1440.0 + h * 60.0 + m + sec / 60.0))
    return events


def nearest(sorted_times, t):
    i = bisect.bisect_left(sorted_times, t)
    return min((abs(sorted_times[j] - t) for j in (i - 1, i) if 0 <= j < len(sorted_times)),
               default=float("inf"))


def compare(s):
    ours = {k: sorted(t for kind, t in table_events(s) if kind == k) for k in "rs"}
    theirs = {k: sorted(t for kind, t, _ in s["events"] if kind.lower() == k and kind != "g") for k in "rs"}
    grazes = [t for kind, t, _ in s["events"] if kind == "g"]
    required = [(kind, t) for kind, t, _ in s["events"] if kind in "rs"]
    end = s["days"] * 1440.0
    counts = {"events": len(required), "off": 0, "missing": 0, "spurious": 0, "twice": 0,
              "grazing": 0, "grazing off": 0, "max": 0.0}
    for kind, t, _ in s["events"]:
        if kind in "RS":
            counts["grazing"] += 1
            counts["grazing off"] += nearest(ours[kind.lower()], t) > 2.0
    for kind, t in required:
        gap = nearest(ours[kind], t)
        counts["off"] += gap > 2.0
        counts["missing"] += gap > 30.0
        if gap <= 30.0:
            counts["max"] = max(counts["max"], gap)
    for kind in "rs":
        counts["twice"] += sum(1 for a, b in zip(ours[kind], ours[kind][1:]) if b - a < 30.0)
        for t in ours[kind]:
            if 30.0 < t < end - 30.0 and min(nearest(theirs[kind], t), nearest(grazes, t)) > 30.0:
                counts["spurious"] += 1
    return counts


def main():
    print(f"{'latitude':>9s} {'body':7s} {'events':>6s} {'> 2 min':>7s} {'missing':>7s} {'spurious':>8s} {'twice':>5s}"
          f" {'grazing':>7s} {'> 2 min':>7s} {'max min':>7s}")
    totals = {}
    for s in read_reference(REFERENCE):
        c = compare(s)
        for key, value in c.items():
            totals[key] = max(totals.get(key, 0), value) if key == "max" else totals.get(key, 0) + value
        print(f"{s['lat']:9.2f} {s['body']:7s} {c['events']:6d} {c['off']:7d} {c['missing']:7d}"
              f" {c['spurious']:8d} {c['twice']:5d} {c['grazing']:7d} {c['grazing off']:7d} {c['max']:7.2f}")
    print(f"{'total':>17s} {totals['events']:6d} {totals['off']:7d} {totals['missing']:7d}"
          f" {totals['spurious']:8d} {totals['twice']:5d} {totals['grazing']:7d} {totals['grazing off']:7d} {totals['max']:7.2f}")


if __name__ == "__main__":
    main()
