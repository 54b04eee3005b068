#!/usr/bin/env python3
"""Writes a contest season for the batch benchmark: many CQ WW DX CW Cabrillo logs.

The sizes have the long tail of a real season: most logs are small, a few multi-operator
logs hold 5,000 to 13,000 QSOs. Own and worked calls come from the super-check-partial
list of the hamradio-files package, their zones from its country file. Everything is
drawn with a fixed seed, so the same arguments give the same files.

usage: bench/make_season.py [--logs 8500] [--qsos 5500000] [--seed S] -o FOLDER
"""

import argparse
import datetime
import math
import os
import random
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_sample_log import BANDS, CTY, SCP, lookup, read_calls, read_country_file  # noqa: E402

MAX_QSOS = 13000


def log_sizes(rng, logs, total):
    """Sizes from a log-normal distribution scaled to `total`, capped at MAX_QSOS."""
    raw = [rng.lognormvariate(0.0, 1.5) for _ in range(logs)]
    # A handful of big multi-operator logs, as every season has.
    for i in rng.sample(range(logs), max(1, logs // 500)):
        raw[i] = 1e9
    lo, hi = 0.0, float(total)
    for _ in range(60):
        scale = (lo + hi) / 2
        s = sum(min(MAX_QSOS, max(5, int(r * scale))) for r in raw)
        lo, hi = (scale, hi) if s < total else (lo, scale)
    return [min(MAX_QSOS, max(5, int(r * lo))) for r in raw]


def write_log(path, own, own_zone, qsos, rng, candidates):
    start = datetime.datetime(2013, 11, 23, 0, 0)
    minutes = sorted(rng.randrange(48 * 60) for _ in range(qsos))
    lines = [
        "START-OF-LOG: 3.0",
        "CONTEST: CQ-WW-CW",
        "CALLSIGN: " + own,
        "CATEGORY-OPERATOR: " + ("MULTI-OP" if qsos > 5000 else "SINGLE-OP"),
        "CATEGORY-BAND: ALL",
        "CATEGORY-MODE: CW",
        "CLAIMED-SCORE: 0",
        "OPERATORS: " + own,
    ]
    weights = [b[2] for b in BANDS]
    for m in minutes:
        when = start + datetime.timedelta(minutes=m)
        band = rng.choices(BANDS, weights=weights)[0]
        call, zone = candidates[rng.randrange(len(candidates))]
        lines.append("QSO: %-5s CW %s %s %-13s 599 %02d     %-13s 599 %02d     0" %
                     (band[0], when.strftime("%Y-%m-%d"), when.strftime("%H%M"), own, own_zone, call, zone))
    lines.append("END-OF-LOG:")
    with open(path, "w", encoding="cp1252", newline="") as f:
        f.write("".join(l + "\r\n" for l in lines))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--logs", type=int, default=8500)
    ap.add_argument("--qsos", type=int, default=5500000)
    ap.add_argument("--seed", type=int, default=2013)
    ap.add_argument("-o", "--output", required=True)
    args = ap.parse_args()

    prefixes, exact = read_country_file(CTY)
    candidates = []
    for call in read_calls(SCP):
        if "/" in call or not re.fullmatch(r"[A-Z0-9]+", call):
            continue
        found = lookup(call, prefixes, exact)
        if found and not found[0].wae_only and 1 <= found[1] <= 40:
            candidates.append((call, found[1]))
    rng = random.Random(args.seed)
    sizes = log_sizes(rng, args.logs, args.qsos)
    owners = rng.sample(candidates, args.logs)
    os.makedirs(args.output, exist_ok=True)
    for (own, zone), qsos in zip(owners, sizes):
        write_log(os.path.join(args.output, own + ".log"), own, zone, qsos, rng, candidates)
    print("%s: %d logs, %d QSOs, largest %d, median %d" %
          (args.output, len(sizes), sum(sizes), max(sizes), sorted(sizes)[len(sizes) // 2]), file=sys.stderr)


if __name__ == "__main__":
    main()
