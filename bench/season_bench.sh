#!/usr/bin/env bash
# The batch benchmark: 'qz batch results' over a generated season of CQ WW logs, with 1
# and 2 jobs, timed with peak memory; then every file's figures compared with those of
# 'qz score --tsv'. The season is generated on first use (bench/make_season.py) and kept
# in FOLDER for later runs; it is never committed.
# usage: bench/season_bench.sh [BUILD_DIR] [FOLDER] [LOGS QSOS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/release}" && pwd)
season=${2:-/tmp/qz-season}
logs=${3:-8500}
qsos=${4:-5500000}
qz="$build/bin/qz"
cty=/usr/share/hamradio-files/cty.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QZ_DATA_DIR="$work/data" QZ_CONFIG_DIR="$work/config"

if [ ! -f "$season/.complete-$logs-$qsos" ]; then
  rm -rf "$season"
  python3 "$here/make_season.py" --logs "$logs" --qsos "$qsos" -o "$season"
  touch "$season/.complete-$logs-$qsos"
fi
find "$season" -name '*.log' | sort > "$work/list"
files=$(wc -l < "$work/list")
lines=$(cat "$season"/*.log 2>/dev/null | grep -c '^QSO:' || true)

run() {  # jobs -> prints wall seconds and peak KiB
  /usr/bin/time -f "%e %M" -o "$work/time" "$qz" batch results --cty "$cty" --jobs "$1" -@ "$work/list" \
    -o "$work/results-$1.txt" --force
  cat "$work/time"
}
read -r wall1 mem1 < <(run 1)
read -r wall2 mem2 < <(run 2)
cmp "$work/results-1.txt" "$work/results-2.txt"
rate() { awk -v n="$1" -v s="$2" 'BEGIN { printf "%.0f", n / (s > 0 ? s : 0.01) }'; }
echo "season: $files logs, $lines QSOs"
echo "1 job : ${wall1} s wall, peak $((mem1 / 1024)) MiB, $(rate "$files" "$wall1") files/s, $(rate "$lines" "$wall1") QSOs/s"
echo "2 jobs: ${wall2} s wall, peak $((mem2 / 1024)) MiB, $(rate "$files" "$wall2") files/s, $(rate "$lines" "$wall2") QSOs/s"
awk -v a="$wall1" -v b="$wall2" 'BEGIN { printf "speed-up 1 -> 2 jobs: %.2f\n", a / (b > 0 ? b : 0.01) }'

# The same figures as 'qz score --tsv', file by file (header lines dropped).
{ "$qz" batch results --cty "$cty" --tsv -@ "$work/list" || true; } | tail -n +2 > "$work/batch.tsv"
{ xargs -a "$work/list" -d '\n' -n 500 "$qz" score --cty "$cty" --tsv || true; } | grep -v '^file	' > "$work/score.tsv"
if cmp -s "$work/batch.tsv" "$work/score.tsv"; then
  echo "figures: identical to qz score --tsv for all $files files"
else
  echo "figures differ from qz score --tsv:"; diff "$work/batch.tsv" "$work/score.tsv" | head; exit 1
fi
