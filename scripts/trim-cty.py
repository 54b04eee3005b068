#!/usr/bin/env python3
"""Trims a country file (cty.dat) for the tests.

Keeps every country record with all its prefix entries (with their zone, continent and
other overrides) and the version entry (=VERyyyymmdd); drops the exact-call entries
(=CALL) except those whose call appears as a word in the files given after the source.
A record whose entries are all exact calls keeps its first one, so every country stays
reachable.

    scripts/trim-cty.py /usr/share/hamradio-files/cty.dat $(git ls-files tests) \\
        > tests/data/cty/trimmed.dat
"""
import re
import sys


def words(paths):
    found = set()
    for path in paths:
        try:
            text = open(path, encoding='latin-1').read()
        except (IsADirectoryError, FileNotFoundError):
            continue
        found.update(w.upper() for w in re.findall(r'[A-Za-z0-9/]+', text))
    return found


def records(text):
    """Yields (header line, [entries]) per country record."""
    header, body = None, ''
    for line in text.splitlines():
        if not line.strip():
            continue
        if not line.startswith((' ', '\t')):
            header, body = line, ''
            continue
        body += line.strip()
        if body.endswith(';'):
            yield header, [e for e in body[:-1].split(',') if e]
            header, body = None, ''


def exact_call(entry):
    return re.match(r'=([^(\[<{~]*)', entry).group(1)


def main():
    source = open(sys.argv[1], encoding='latin-1').read()
    keep_calls = words(sys.argv[2:])
    out = []
    for header, entries in records(source):
        kept = [e for e in entries
                if not e.startswith('=') or re.fullmatch(r'VER\d{8}', exact_call(e)) or exact_call(e) in keep_calls]
        if not kept:
            kept = entries[:1]
        out.append(header)
        line = '    '
        for i, entry in enumerate(kept):
            piece = entry + (';' if i == len(kept) - 1 else ',')
            if len(line) + len(piece) > 79 and line.strip():
                out.append(line)
                line = '    '
            line += piece
        out.append(line)
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
