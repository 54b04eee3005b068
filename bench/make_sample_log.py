#!/usr/bin/env python3
"""Writes the sample log of the main job: a CQ WW DX CW single-operator Cabrillo log.

Worked calls are drawn (with a fixed seed, so the file is reproducible) from the
super-check-partial list of the hamradio-files package; their country, continent and CQ
zone come from its country file. The log is written in this program's own Cabrillo
layout (Windows-1252, CR LF) with the claimed score computed by the CQ WW rules:
3 points for another continent, 1 for another country of the own continent, 0 for the
own country; countries and zones count once per band.

usage: bench/make_sample_log.py [--qsos N] [--seed S] [-o data/samples/sample-cqww-cw.log]
"""

import argparse
import datetime
import random
import re
import sys

SCP = "/usr/share/hamradio-files/MASTER.SCP"
CTY = "/usr/share/hamradio-files/cty.dat"

OWN_CALL = "DL1ABC"
OWN_ZONE = 14
BANDS = [  # Cabrillo frequency text, band name, share of the QSOs, usable hours (UTC)
    (" 1800", "160m", 4, set(range(0, 7)) | set(range(17, 24))),
    (" 3500", "80m", 10, set(range(0, 8)) | set(range(16, 24))),
    (" 7000", "40m", 24, set(range(0, 24))),
    ("14000", "20m", 30, set(range(5, 22))),
    ("21000", "15m", 20, set(range(7, 18))),
    ("28000", "10m", 12, set(range(8, 16))),
]


class Entity:
    def __init__(self, master, continent, zone, wae_only):
        self.master = master
        self.continent = continent
        self.zone = zone
        self.wae_only = wae_only


def read_country_file(path):
    """Prefixes (longest match) and full calls (exact match) with their entity and zone."""
    prefixes, exact = {}, {}
    entity = None
    with open(path, encoding="latin-1") as f:
        text = f.read()
    for record in text.split(";"):
        lines = record.strip("\r\n ").splitlines()
        if not lines:
            continue
        head = lines[0].split(":")
        if len(head) < 8:
            continue
        master = head[7].strip()
        entity = Entity(master.lstrip("*"), head[3].strip(), int(head[1]), master.startswith("*"))
        for token in ",".join(lines[1:]).replace(" ", "").split(","):
            if not token:
                continue
            zone = entity.zone
            m = re.search(r"\((\d+)\)", token)
            if m:
                zone = int(m.group(1))
            name = re.split(r"[\(\[<{~]", token)[0]
            table = exact if name.startswith("=") else prefixes
            table.setdefault(name.lstrip("="), (entity, zone))
    return prefixes, exact


def lookup(call, prefixes, exact):
    """(entity, zone) of a plain call, or None when the country file would answer it in a
    way a simple reader cannot reproduce (a full-call entry that is a prefix of it)."""
    if call in exact:
        return exact[call]
    if any(call[:n] in exact for n in range(1, len(call))):
        return None
    for n in range(len(call), 0, -1):
        if call[:n] in prefixes:
            return prefixes[call[:n]]
    return None


def read_calls(path):
    with open(path, encoding="latin-1") as f:
        return [l.strip() for l in f if l.strip() and not l.startswith("#")]


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--qsos", type=int, default=400)
    ap.add_argument("--seed", type=int, default=2024)
    ap.add_argument("-o", "--output", default="data/samples/sample-cqww-cw.log")
    args = ap.parse_args()

    prefixes, exact = read_country_file(CTY)
    own = lookup(OWN_CALL, prefixes, exact)[0]
    rng = random.Random(args.seed)
    candidates = []
    for call in read_calls(SCP):
        if "/" in call or not re.fullmatch(r"[A-Z0-9]+", call):
            continue
        found = lookup(call, prefixes, exact)
        if found and not found[0].wae_only and 1 <= found[1] <= 40:
            candidates.append((call, found[0], found[1]))
    rng.shuffle(candidates)

    start = datetime.datetime(2024, 11, 23, 0, 0)
    minute = 0
    qsos, worked = [], set()
    pool = iter(candidates)
    while len(qsos) < args.qsos:
        minute += rng.choice([1, 1, 2, 2, 3, 4, 6, 9])
        if minute >= 48 * 60:
            break
        when = start + datetime.timedelta(minutes=minute)
        usable = [b for b in BANDS if when.hour in b[3]]
        band = rng.choices(usable, weights=[b[2] for b in usable])[0]
        call, entity, zone = next(pool)
        # Now and then a station is called again on the same band: a dupe.
        if qsos and rng.random() < 0.01:
            prev = rng.choice(qsos)
            call, entity, zone, band = prev["call"], prev["entity"], prev["zone"], prev["band"]
        qsos.append({"when": when, "band": band, "call": call, "entity": entity, "zone": zone})

    points, mults = 0, set()
    for q in qsos:
        key = (q["call"], q["band"][1])
        if key in worked:
            continue
        worked.add(key)
        if q["entity"].master == own.master:
            p = 0
        elif q["entity"].continent == own.continent:
            p = 1
        else:
            p = 3
        points += p
        mults.add(("zone", q["zone"], q["band"][1]))
        mults.add(("country", q["entity"].master, q["band"][1]))
    claimed = points * len(mults)

    lines = [
        "START-OF-LOG: 3.0",
        "CREATED-BY: make_sample_log.py (qz sample generator)",
        "LOCATION: DX",
        "CONTEST: CQ-WW-CW",
        "CALLSIGN: " + OWN_CALL,
        "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-TRANSMITTER: ONE",
        "CATEGORY-ASSISTED: NON-ASSISTED",
        "CATEGORY-POWER: LOW",
        "CATEGORY-STATION: FIXED",
        "CATEGORY-BAND: ALL",
        "CATEGORY-MODE: CW",
        "CLAIMED-SCORE: %d" % claimed,
        "OPERATORS: " + OWN_CALL,
        "CLUB: Sample Radio Club",
        "NAME: Sample Operator",
        "EMAIL: ",
        "SPECIFIC: ",
        "ADDRESS: Musterstra\u00dfe 1",
        "ADDRESS: 12345 Musterstadt",
        "SOAPBOX: A generated log: the calls come from the super-check-partial list.",
    ]
    for q in qsos:
        common = "QSO: %-5s CW %s %s" % (q["band"][0], q["when"].strftime("%Y-%m-%d"), q["when"].strftime("%H%M"))
        sent = " %-13.13s %-3s %-6.6s" % (OWN_CALL, "599", "%02d" % OWN_ZONE)
        rcvd = " %-13.13s %-3s %-6.6s" % (q["call"], "599", "%02d" % q["zone"])
        lines.append(common + sent + rcvd + " 0")
    lines.append("END-OF-LOG:")
    with open(args.output, "w", encoding="cp1252", newline="") as f:
        f.write("".join(l + "\r\n" for l in lines))
    print("%s: %d QSOs, %d points, %d multipliers, claimed score %d" %
          (args.output, len(qsos), points, len(mults), claimed), file=sys.stderr)


if __name__ == "__main__":
    main()
