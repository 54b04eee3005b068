#!/usr/bin/env python3
"""Builds the shipped reference lists in data/ from public source tables.

Every conversion is one row of CONVERSIONS: the source file, the list file it becomes,
the header comment of that file and a function that turns the source rows into the
lines of the list. Source tables are UTF-8, one entry per line, CODE<TAB>NAME[<TAB>GROUP]
(the tables gathered in the shared reference folder, see its SOURCES.md); the lists are
written in the formats the program reads (assignment table "MAIN: SUB, SUB, ...; TOKEN",
simple list one entry a line), ASCII with CR LF line ends.

    scripts/make_reflists.py [--reference DIR] [--hamradio DIR] [--only NAME...]

Without --only every list whose source exists is rebuilt; a missing source is reported
and its list left as it is.
"""

import argparse
import os
import re
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")


def ascii_text(text):
    """Latin letters without diacritics (the lists are read as single-byte text)."""
    text = text.replace("ł", "l").replace("Ł", "L").replace("ß", "ss")
    text = unicodedata.normalize("NFKD", text)
    return "".join(c for c in text if ord(c) < 128)


def spelling(name):
    """A name as a spelling: upper case, ASCII, without blanks, hyphens or dots."""
    return re.sub(r"[^A-Z0-9]", "", ascii_text(name).upper())


def read_table(path):
    """Rows (code, name, group) of a CODE<TAB>NAME[<TAB>GROUP] table."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip():
                continue
            parts = line.split("\t")
            if len(parts) < 2:
                sys.exit(f"{path}:{n}: expected CODE<TAB>NAME[<TAB>GROUP]")
            rows.append((parts[0].strip(), parts[1].strip(), parts[2].strip() if len(parts) > 2 else ""))
    return rows


def comment_lines(text):
    return ["* " + line if line else "*" for line in text.strip("\n").split("\n")] + ["*"]


def wrap(main, subs, token=""):
    """One assignment-table line; the ";" closes the last spelling."""
    line = f"{main}: {', '.join(subs)};"
    return line + (f" {token}" if token else "")


def unique(items):
    seen, out = set(), []
    for i in items:
        if i and i not in seen:
            seen.add(i)
            out.append(i)
    return out


# --- conversions ------------------------------------------------------------------------


def code_and_names(rows, token_of=lambda group: group):
    """Main item the code; spellings the code and its name (for tables that translate
    the received text to the main item)."""
    return [wrap(code, unique([code, spelling(name)]), token_of(group)) for code, name, group in rows]


def code_only(rows, token_of=lambda group: ""):
    """Main item and only spelling the code (for contests that count the text itself)."""
    return [wrap(code, [code], token_of(group)) for code, name, group in rows]


def okom(rows):
    """Codes under the WPX prefixes that suggest them: the Czech codes of Bohemia
    (region letters A to F) under OK1, those of Moravia and Silesia (G, H) under OK2,
    the Slovak codes under OM0 to OM9."""
    czech = [r for r in rows if r[2] == "OK"]
    slovak = [r[0] for r in rows if r[2] == "OM"]
    lines = ["* " + ", ".join(f"{code} {ascii_text(name)}" for code, name, group in rows[i:i + 8])
             for i in range(0, len(rows), 8)] + ["*"]
    lines.append(wrap("OK1", [c for c, n, g in czech if c[0] in "ABCDEF"]))
    lines.append(wrap("OK2", [c for c, n, g in czech if c[0] in "GH"]))
    rest = [c for c, n, g in czech if c[0] not in "ABCDEFGH"]
    if rest:
        sys.exit("okom: Czech codes outside the regions A to H: " + ", ".join(rest))
    for digit in range(10):
        lines.append(wrap(f"OM{digit}", slovak))
    return lines


def call_area(group):
    """"HA1", "W1", "YO2" -> "1", "1", "2": the call-area digit that drives the
    suggestion of a region for a call."""
    m = re.search(r"(\d)$", group)
    return m.group(1) if m else ""


def states_and_provinces(rows, aliases):
    """W/VE states and provinces: the code, its name and further accepted spellings. A US
    state (group W plus digit) carries its call area; any other line lists its call
    prefixes (VE1, KL7, ...) as spellings, so that a call's prefix finds its province."""
    lines = []
    for code, name, group in rows:
        prefixes = [g.strip() for g in group.split(",") if g.strip()]
        area = call_area(prefixes[0]) if len(prefixes) == 1 and re.fullmatch(r"W\d", prefixes[0]) else ""
        subs = [code, spelling(name)] + aliases.get(code, []) + ([] if area else prefixes)
        lines.append(wrap(code, unique(subs), area))
    return lines


# Older spellings that the ARRL accepted for two Canadian codes.
ARRL_PROVINCE_ALIASES = {"NT": ["NWT"], "PE": ["PEI"]}


def arrl10(rows):
    """States and provinces of W/VE stations and the ITU regions that maritime-mobile
    stations send. Mexican states are left out: Mexican stations count as a country, so
    the table is never asked for them, and their three-letter codes would take texts
    such as COL away from the US states."""
    us_ve = [r for r in rows if not r[2].startswith("XE")]
    regions = [wrap(f"R{n}", [f"R{n}", str(n), f"ITU{n}", f"REGION{n}"]) for n in (1, 2, 3)]
    return states_and_provinces(us_ve, ARRL_PROVINCE_ALIASES) + ["*", "* ITU regions of maritime-mobile stations"] + regions


# The call prefixes of the Canadian sections that lie in one province or territory.
CANADIAN_SECTION_PREFIXES = {"QC": ["VE2"], "MB": ["VE4"], "SK": ["VE5"], "AB": ["VE6"], "BC": ["VE7"],
                             "NB": ["VE9"], "NL": ["VO1", "VO2"], "PE": ["VY2"], "TER": ["VE8", "VY1", "VY0"]}
# Section names before the 2023 revision of the Canadian sections.
ARRL_SECTION_ALIASES = {"GH": ["GTA"], "TER": ["NT"]}


def arrl160(rows):
    """ARRL and RAC sections: the code and its name; US sections carry their call area,
    Canadian ones the prefixes of their province."""
    lines = []
    for code, name, group in rows:
        subs = [code, spelling(name)] + ARRL_SECTION_ALIASES.get(code, []) + CANADIAN_SECTION_PREFIXES.get(code, [])
        lines.append(wrap(code, unique(subs), call_area(group) if group.startswith("W") else ""))
    return lines


def bucuresti(rows):
    """The Bucharest sectors 1 to 6, sent as X and a letter (XA to XF), in call area 3,
    and the counties of Romania with their call areas; Bucharest itself sends sectors."""
    sectors = [wrap(f"X{letter}", [f"X{letter}", f"SECTOR{n}"], "3") for n, letter in enumerate("ABCDEF", 1)]
    return sectors + code_and_names([r for r in rows if r[0] != "BU"], call_area)


def jidx_call_area(code):
    """The JA call area of a JARL prefecture number; none for the islands 48 to 50."""
    n = int(code)
    for last, area in ((1, 8), (7, 7), (9, 0), (17, 1), (21, 2), (27, 3), (30, 9), (35, 4), (39, 5), (47, 6)):
        if n <= last:
            return str(area)
    return ""


def jidx(rows):
    return [wrap(code, unique([code, spelling(name)]), jidx_call_area(code)) for code, name, group in rows]


def dok_list(path):
    """DOKs by call from the WAG call history: DOK -> calls. A call with a portable or
    other addition is filed under the plain call unless that has its own entry; entries
    without a DOK and entries whose DOK column holds a call sign are left out."""
    entries = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#") or "," not in line:
                continue
            call, dok = (x.strip().upper() for x in line.split(",", 1))
            if not call or not dok or re.fullmatch(r"[A-Z]{1,2}\d[A-Z]{1,4}", dok):
                continue
            entries.append((call, dok))
    own = {c for c, d in entries if "/" not in c}
    by_dok = {}
    for call, dok in entries:
        plain = max(call.split("/"), key=len)
        if "/" in call and plain in own:
            continue
        by_dok.setdefault(dok, [])
        if plain not in by_dok[dok]:
            by_dok[dok].append(plain)
    return [wrap(dok, sorted(calls)) for dok, calls in sorted(by_dok.items())]


REF = "reference"
HAM = "hamradio"

# (list file, source kind, source file, header comment, conversion)
CONVERSIONS = [
    ("AssignmentTables/okom.dat", REF, "okom-districts.txt", """\
okom.dat - district codes of the OK-OM DX Contest: the three-letter codes that Czech (86)
and Slovak (79) stations send. A received code counts when it is one of the spellings;
the main item is the WPX prefix under which the codes are suggested (Bohemia OK1,
Moravia and Silesia OK2, every Slovak code under OM0 to OM9).
Source: the contest rules' district codes as listed in the public reference table
okom-districts.txt (names from the ADIF subdivision list). Generated by
scripts/make_reflists.py - do not edit by hand.
Line format: PREFIX: CODE, CODE, ...;""", okom),
    ("AssignmentTables/spdx.dat", REF, "spdx-voivodeships.txt", """\
spdx.dat - SP DX Contest: the 16 Polish voivodeships by the one-letter codes Polish
stations send (the contest's letters, not the vehicle letters), with their names as
further spellings.
Source: SP DX Contest rules via the public reference table spdx-voivodeships.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME;""", code_and_names),
    ("AssignmentTables/pacc.dat", REF, "pacc-provinces.txt", """\
pacc.dat - PACC contest: the 12 provinces of the Netherlands by the two-letter codes
Dutch stations send, with their names as further spellings.
Source: PACC rules via the public reference table pacc-provinces.txt. Generated by
scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME;""", code_and_names),
    ("AssignmentTables/hadx.dat", REF, "hadx-counties.txt", """\
hadx.dat - HA DX Contest: the 20 Hungarian county codes (BP = Budapest) with their
names as spellings; the call-area digit after the ";" drives the county suggestion for
a Hungarian call. Club member numbers, the other multiplier, come from the member list.
Source: HA DX Contest rules via the public reference table hadx-counties.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME; CALLAREA""", lambda rows: code_and_names(rows, call_area)),
    ("AssignmentTables/helvetia.dat", REF, "helvetia-cantons.txt", """\
helvetia.dat - the 26 Swiss cantons by their two-letter codes, as Swiss stations send
them in the Helvetia contest and the Swiss Christmas contest. The Christmas contest
counts the received text itself, so each canton has exactly one spelling: its code.
Source: Helvetia contest rules via the public reference table helvetia-cantons.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE;""", lambda rows: ["* " + ", ".join(f"{c} {ascii_text(n)}" for c, n, g in rows), "*"]
        + code_only(rows)),
    ("AssignmentTables/ardxdx.dat", REF, "arrldx-states-provinces.txt", """\
ardxdx.dat - ARRL International DX Contest, as worked from outside W/VE, and the
state/province multiplier of the CQ WW RTTY contest: the 48 contiguous US states, the
District of Columbia and the 14 Canadian provinces and territories. Alaska and Hawaii
are DX in these contests and not listed.
US states carry their call area (it drives the state suggestion for a US call); the
Canadian lines list their call prefixes as spellings instead. NWT and PEI are accepted
for NT and PE.
Source: ARRL DX Contest rules via the public reference table
arrldx-states-provinces.txt. Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME, ...; CALLAREA""", lambda rows: states_and_provinces(rows, ARRL_PROVINCE_ALIASES)),
    ("AssignmentTables/ar10.dat", REF, "arrl10m-states-provinces.txt", """\
ar10.dat - ARRL 10-Meter Contest: the states and provinces that W/VE stations send (the
50 US states, DC and the 14 Canadian provinces and territories) and the ITU regions
R1 to R3 that maritime-mobile stations send (1, 2 or 3). Mexican states are not listed:
the contest counts Mexican stations as a country.
US states carry their call area; Alaska, Hawaii and the Canadian lines list their call
prefixes as spellings instead. NWT and PEI are accepted for NT and PE.
Source: ARRL 10-Meter Contest rules via the public reference table
arrl10m-states-provinces.txt. Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME, ...; CALLAREA""", arrl10),
    ("AssignmentTables/ar160.dat", REF, "arrl160-sections.txt", """\
ar160.dat - ARRL 160-Meter Contest, as worked from outside W/VE: the ARRL and RAC
sections (71 US, 14 Canadian as revised in 2023; GTA and NT are accepted for GH and
TER). A state or province that is split into sections is no spelling. US sections carry
the call area of their state; Canadian sections in one province list its prefixes.
Doubt: the current rules may count AK, PAC, PR and VI as DX rather than sections.
Source: ARRL 160-Meter Contest rules via the public reference table arrl160-sections.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: SECTION: SECTION, NAME, ...; CALLAREA""", arrl160),
    ("AssignmentTables/yodx.dat", REF, "yodx-counties.txt", """\
yodx.dat - YO DX HF Contest: the 41 counties of Romania and BU (Bucharest) by the codes
Romanian stations send, with their names as spellings and the YO call area.
Source: YO DX HF Contest rules via the public reference table yodx-counties.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME; CALLAREA""", lambda rows: code_and_names(rows, call_area)),
    ("AssignmentTables/bucuresti.dat", REF, "yodx-counties.txt", """\
bucuresti.dat - International HF "Bucuresti" Contest: Bucharest stations send their
sector as X and a letter (XA = sector 1 ... XF = sector 6), all other Romanian stations
the code of their county. The call area after the ";" is the YO digit.
Source: the counties of the public reference table yodx-counties.txt (YO DX HF Contest
rules); the sector codes follow the contest's X-letter convention. Generated by
scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME; CALLAREA""", bucuresti),
    ("AssignmentTables/lzdx.dat", REF, "lzdx-districts.txt", """\
lzdx.dat - LZ DX Contest: the 28 districts of Bulgaria by the two-letter codes Bulgarian
stations send, with their names as spellings (SF Sofia city, SO Sofia district, as the
contest rules have them).
Source: LZ DX Contest rules via the public reference table lzdx-districts.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME;""", code_and_names),
    ("AssignmentTables/ukrain.dat", REF, "urdx-oblasts.txt", """\
ukrain.dat - Ukrainian DX Contest: the 27 oblast codes Ukrainian stations send (24
oblasts, Crimea, Kyiv and Sevastopol), with their names as spellings.
Source: Ukrainian DX Contest rules via the public reference table urdx-oblasts.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME;""", code_and_names),
    ("AssignmentTables/ea_provinces.dat", REF, "eadx-provinces.txt", """\
ea_provinces.dat - EA DX (King of Spain) Contest: the 52 Spanish provinces by the codes
Spanish stations send. The received code itself is the multiplier, so each province
has exactly one spelling: its code (the older PM, GE and OR are not accepted, they
would count as provinces of their own). The EA call area follows the ";".
Source: the contest rules' province list via the public reference table
eadx-provinces.txt. Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE; CALLAREA""", lambda rows: code_only(rows, call_area)),
    ("AssignmentTables/uba.dat", REF, "uba-provinces.txt", """\
uba.dat - UBA DX Contest: the 10 Belgian provinces and Brussels (BR) by the codes Belgian
stations send, with their names as spellings.
Doubt: since 2022 the rules may ask for UBA section codes instead of provinces.
Source: UBA DX Contest rules via the public reference table uba-provinces.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE, NAME;""", code_and_names),
    ("AssignmentTables/jadx.dat", REF, "jidx-prefectures.txt", """\
jadx.dat - Japan International DX Contest: the prefecture numbers 01 to 47 and 48 to 50
(Ogasawara, Okinotorishima, Minamitorishima) with their names. The JA call area after
the ";" (the JARL numbering runs by call area; none for 48 to 50) drives the prefecture
suggestion for a Japanese call.
Source: JIDX rules and the JARL numbering via the public reference table
jidx-prefectures.txt. Generated by scripts/make_reflists.py - do not edit by hand.
Line format: NUMBER: NUMBER, NAME; CALLAREA""", jidx),
    ("AssignmentTables/dok.dat", HAM, "WAG_call_history.txt", """\
dok.dat - DOK (German club chapter code) of German stations, by call sign.
Main item: the DOK; spellings: the calls that send it. The German contests look a
station's DOK up by its call (without portable or other additions).
Source: the WAG call history file of the Debian package hamradio-files
(/usr/share/hamradio-files/WAG_call_history.txt); calls with a /P or other addition are
listed under the plain call unless the plain call has its own entry; entries without a
DOK, and entries with a call sign in the DOK column, are left out.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: DOK: CALL, CALL, ...;""", None),
]


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--reference", default=os.path.join(ROOT, "..", "shared", "reference"))
    ap.add_argument("--hamradio", default="/usr/share/hamradio-files")
    ap.add_argument("--only", nargs="*", help="list files to rebuild (e.g. okom.dat)")
    args = ap.parse_args()
    status = 0
    for target, kind, source, header, convert in CONVERSIONS:
        if args.only and os.path.basename(target) not in args.only:
            continue
        src = os.path.join(args.reference if kind == REF else args.hamradio, source)
        if not os.path.exists(src):
            print(f"{target}: source {src} not found, left as it is", file=sys.stderr)
            status = 1
            continue
        lines = dok_list(src) if convert is None else convert(read_table(src))
        body = comment_lines(header) + lines
        for line in body:
            if not line.isascii():
                sys.exit(f"{target}: non-ASCII text in {line!r}")
        with open(os.path.join(DATA, target), "w", encoding="ascii", newline="") as f:
            f.write("".join(line + "\r\n" for line in body))
        print(f"{target}: {len(lines)} lines from {source}")
    return status


if __name__ == "__main__":
    sys.exit(main())
