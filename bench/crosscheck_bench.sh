#!/usr/bin/env bash
# The cross-check benchmark: 'qz crosscheck' over a generated season with planted faults
# (8,500 CQ WW logs, 5.5 million QSO lines, partners drawn among the submitted logs),
# timed with /usr/bin/time -v (wall, CPU, peak memory); then its rows measured against
# the season's truth file, kind by kind. The season is generated on first use
# (qz_make_faulty_season) and kept in FOLDER for later runs; it is never committed.
# usage: bench/crosscheck_bench.sh [BUILD_DIR] [FOLDER] [LOGS QSOS] [JOBS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/release}" && pwd)
season=${2:-/tmp/qz-faulty-season}
logs=${3:-8500}
qsos=${4:-5500000}
jobs=${5:-2}
cty=/usr/share/hamradio-files/cty.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QZ_DATA_DIR="$work/data" QZ_CONFIG_DIR="$work/config"

if [ ! -f "$season/.complete-$logs-$qsos" ]; then
  rm -rf "$season"
  "$build/bin/qz_make_faulty_season" --logs "$logs" --qsos "$qsos" --cty "$cty" -o "$season"
  touch "$season/.complete-$logs-$qsos"
fi
find "$season" -name '*.log' | sort > "$work/list"

/usr/bin/time -v -o "$work/time" "$build/bin/qz" crosscheck --cty "$cty" -j "$jobs" --tsv -o "$work/out" \
  -@ "$work/list" > "$work/findings.tsv" 2> "$work/summary" || true
cat "$work/summary"
grep -E 'Elapsed|User time|System time|Maximum resident' "$work/time"

# Recall and precision per kind: rows keyed by log, line and kind.
awk -F'\t' '
  FNR == 1 { next }
  FILENAME == ARGV[1] { truth[$1 FS $2 FS $4] = 1; planted[$4]++; next }
  { reported[$4]++; if (($1 FS $2 FS $4) in truth) hit[$4]++ }
  END {
    for (k in planted)
      printf "%-16s planted %7d reported %7d recall %6.2f%% precision %6.2f%%\n", k, planted[k], reported[k],
             100 * hit[k] / planted[k], reported[k] ? 100 * hit[k] / reported[k] : 100
  }' "$season/truth.tsv" "$work/findings.tsv" | sort
