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


def ha_call_area(group):
    """"HA1" -> "1": the call-area digit that drives the county suggestion."""
    m = re.search(r"(\d)$", group)
    return m.group(1) if m else ""


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
Line format: CODE: CODE, NAME; CALLAREA""", lambda rows: code_and_names(rows, ha_call_area)),
    ("AssignmentTables/helvetia.dat", REF, "helvetia-cantons.txt", """\
helvetia.dat - the 26 Swiss cantons by their two-letter codes, as Swiss stations send
them in the Helvetia contest and the Swiss Christmas contest. The Christmas contest
counts the received text itself, so each canton has exactly one spelling: its code.
Source: Helvetia contest rules via the public reference table helvetia-cantons.txt.
Generated by scripts/make_reflists.py - do not edit by hand.
Line format: CODE: CODE;""", lambda rows: ["* " + ", ".join(f"{c} {ascii_text(n)}" for c, n, g in rows), "*"]
        + code_only(rows)),
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
