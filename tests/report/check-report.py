#!/usr/bin/env python3
"""Runs 'qz report' on two small Cabrillo logs of one contest and on one alone, and
parses the HTML with a real XML parser: well-formed, one chart (svg) per series in each
log's section, the comparison for two logs, the QSO bars adding up, nothing fetched.
Usage: check-report.py QZ_BINARY"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CTY = ("Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
       "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\r\n"
       "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\r\n"
       "    AA,K,N,W;\r\n"
       "England:                  14:  27:  EU:   52.77:     1.47:     0.0:  G:\r\n"
       "    G,M,2E;\r\n"
       "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\r\n"
       "    JA,JE,JF,JG,JH,JI,JJ,JK,JL,JM,JN,JO,JP,JQ,JR,JS;\r\n")

# CQ WW (two multiplier kinds: zones and countries); 20m and 40m, an off-time of 90
# minutes between 01:10 and 02:40.
QSOS = [("14000", "0007", "W1AW", "05"), ("14000", "0012", "G4ABC", "14"), ("7000", "0030", "JA1XYZ", "25"),
        ("7000", "0110", "K2ABC", "05"), ("14000", "0240", "W6ABC", "03"), ("14000", "0241", "JA2ABC", "25")]
SERIES = ["qsos-hour", "qsos-10min", "points-hour", "multies-1-hour", "multies-2-hour", "qsos-cumulative",
          "multies-cumulative", "score", "band-map", "band-changes-hour"]
SVG = "{http://www.w3.org/2000/svg}"
XHTML = "{http://www.w3.org/1999/xhtml}"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def cabrillo(call, qsos):
    lines = ["START-OF-LOG: 3.0", "CONTEST: CQ-WW-CW", "CALLSIGN: " + call]
    for freq, time, worked, zone in qsos:
        lines.append("QSO: %5s CW 2013-11-23 %s %s 599 14 %s 599 %s" % (freq, time, call, worked, zone))
    return "\r\n".join(lines + ["END-OF-LOG:", ""])


def run(qz, folder, *args):
    env = dict(os.environ, QZ_DATA_DIR=os.path.join(folder, "data"), QZ_CONFIG_DIR=os.path.join(folder, "config"))
    return subprocess.run([qz, "report", "--cty", os.path.join(folder, "tiny.dat")] + list(args), env=env,
                          capture_output=True, timeout=60)


def charts(element):
    return [svg.get("data-series") for svg in element.iter(SVG + "svg")]


def check_document(html, logs, compared, where):
    try:
        root = ET.fromstring(html)
    except ET.ParseError as e:
        failures.append("%s: not well-formed: %s" % (where, e))
        return None
    check(root.tag == XHTML + "html", where + ": root element " + root.tag)
    check(b"<script" not in html, where + ": holds a script")
    for element in root.iter():
        for name in ("src", "href", "{http://www.w3.org/1999/xlink}href"):
            check(element.get(name) is None, where + ": fetches " + str(element.get(name)))
    sections = [s for s in root.iter(XHTML + "section") if s.get("class") == "log"]
    check(len(sections) == logs, "%s: %d log sections" % (where, len(sections)))
    for section in sections:
        check(charts(section) == SERIES, "%s: charts %s" % (where, charts(section)))
    comparison = [s for s in root.iter(XHTML + "section") if s.get("id") == "comparison"]
    check(len(comparison) == (1 if compared else 0), where + ": comparison sections: %d" % len(comparison))
    if compared and comparison:
        check(charts(comparison[0]) == ["compare-rate", "compare-score"], where + ": compared " +
              str(charts(comparison[0])))
    return sections


def main():
    qz = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "tiny.dat"), "w", newline="") as f:
            f.write(CTY)
        a = os.path.join(folder, "dl1abc.log")
        b = os.path.join(folder, "dl2xyz.log")
        with open(a, "w", newline="") as f:
            f.write(cabrillo("DL1ABC", QSOS))
        with open(b, "w", newline="") as f:
            f.write(cabrillo("DL2XYZ", QSOS[:4]))

        r = run(qz, folder, a, b)
        check(r.returncode == 0, "two logs: status %d: %s" % (r.returncode, r.stderr))
        out = os.path.join(folder, "dl1abc.html")
        check(os.path.exists(out), "two logs: no dl1abc.html beside the first log")
        if os.path.exists(out):
            sections = check_document(open(out, "rb").read(), 2, True, "two logs")
            if sections:
                # The bars of the first log's QSOs per hour: 3 in hour 0, 1 in hour 1, 2 in hour 2.
                svg = next(s for s in sections[0].iter(SVG + "svg") if s.get("data-series") == "qsos-hour")
                total = sum(int(t.text.rsplit(":", 1)[1]) for rect in svg.iter(SVG + "rect")
                            for t in rect.iter(SVG + "title"))
                check(total == len(QSOS), "QSOs per hour add up to %d" % total)
                offtimes = [t for t in sections[0].iter(XHTML + "table") if t.get("class") == "offtimes"]
                check(len(offtimes) == 1 and "1:30" in ET.tostring(offtimes[0], encoding="unicode"),
                      "the off-time of 1:30 is listed")

        r = run(qz, folder, a, b)
        check(r.returncode == 1 and b"exists" in r.stderr, "an existing report is kept without --force")

        r = run(qz, folder, "-o", "-", a)
        check(r.returncode == 0, "one log to stdout: status %d: %s" % (r.returncode, r.stderr))
        check_document(r.stdout, 1, False, "one log")

        missing = os.path.join(folder, "missing.log")
        r = run(qz, folder, "-o", "-", a, missing)
        check(r.returncode == 1 and b"missing.log" in r.stderr, "an unreadable log is named: " + str(r.stderr))
        check_document(r.stdout, 1, False, "with an unreadable log")

    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
