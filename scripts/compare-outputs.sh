#!/usr/bin/env bash
# Writes what one build of qz makes of the log corpus and of a generated season into a
# folder, so that a change meant to keep behaviour can be checked byte for byte against
# the build before it:
#   - every corpus log scored, compiled and checked, and exported to each format;
#   - a few corpus logs (ADIF, STF, column text and Cabrillo) converted under every
#     contest in turn, then all of them scored, checked and batch-exported to each
#     batch format, so that every contest's columns, dupes and scoring show;
#   - the common result list (and its --tsv table) of a season of generated logs.
# Exit statuses and standard error are kept beside each output.
#
# usage: scripts/compare-outputs.sh [--qz BINARY] [--corpus DIR] OUT [BASELINE]
#   OUT       the folder written (replaced)
#   BASELINE  an OUT of an earlier run: OUT is compared with it and every differing
#             file named; the exit status is 1 when anything differs
# The runs share the work folder /tmp/qz-compare-work (so that paths in messages are
# the same): run one at a time. The season is generated once into /tmp/qz-compare-season.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
qz="$repo/build/rel/bin/qz"
corpus="$repo/../shared/corpus"
while [ $# -gt 0 ]; do
  case "$1" in
    --qz) qz=$(realpath "$2"); shift 2 ;;
    --corpus) corpus="$2"; shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { sed -n '13,17p' "$0"; exit 2; }
out=$(realpath -m "$1")
baseline=${2:+$(realpath "$2")}
[ -x "$qz" ] || { echo "no qz at $qz (build it or give --qz)" >&2; exit 2; }
[ -d "$corpus" ] || { echo "no corpus at $corpus (give --corpus)" >&2; exit 2; }
cty=/usr/share/hamradio-files/cty.dat
work=/tmp/qz-compare-work
season=/tmp/qz-compare-season

rm -rf "$work" "$out"
mkdir -p "$work" "$out"
trap 'rm -rf "$work"' EXIT
export QZ_DATA_DIR="$work/data" QZ_CONFIG_DIR="$work/config"
cp -r "$corpus" "$work/corpus"

# run NAME COMMAND...: standard output to OUT/NAME, standard error and status beside it.
run() {
  local name=$1
  shift
  mkdir -p "$(dirname "$out/$name")"
  local status=0
  "$@" >"$out/$name" 2>"$out/$name.err" </dev/null || status=$?
  echo "$status" >"$out/$name.status"
}

logs=$(cd "$work/corpus" && find . -type f ! -name '*.md' ! -name '*.tsv' | sed 's|^\./||' | sort)
for log in $logs; do
  f="$work/corpus/$log"
  run "corpus/$log/score" "$qz" score --messages --cty "$cty" "$f"
  run "corpus/$log/compile" "$qz" compile --messages --cty "$cty" "$f"
  run "corpus/$log/check" "$qz" check --messages --cty "$cty" "$f"
  for format in cabrillo stf adif res swisslog dbase; do
    run "corpus/$log/export.$format" "$qz" export --format "$format" --messages --cty "$cty" -o - "$f"
  done
done

# Logs that exercise every contest's rules: mixed bands and modes, several formats.
sweep=(adif/general_2017_sa6mwa_misc.adif adif/general_2017_ei3kf_wsjtx.adi other/ntcqp_2024_dj6qq.stf
  other/ntcqp_2024_pa0sim_tabbed.txt cabrillo/darc-xmas_2023_df5rf-p.log cabrillo/iaru-hf_2023_i44w.log)
files=()
for s in "${sweep[@]}"; do files+=("$work/corpus/$s"); done
contests=$("$qz" contests | awk 'NR > 1 { print $1 }')
for c in $contests; do
  mkdir -p "$work/sweep/$c"
  run "sweep/convert.$c" "$qz" --no batch convert --contest "$c" --cty "$cty" --jobs 1 -o "$work/sweep/$c" "${files[@]}"
done
# One process a command for all the converted logs, in a fixed order.
(cd "$work/sweep" && find . -name '*.QZF' | sort -V) >"$work/sweep.list"
cd "$work/sweep"
run sweep/score "$qz" score --messages --cty "$cty" $(cat "$work/sweep.list")
run sweep/check "$qz" check --cty "$cty" $(cat "$work/sweep.list")
for format in stf cabrillo adif result comments res swisslog dbase; do
  run "sweep/batch.$format" "$qz" batch export --format "$format" --force --cty "$cty" -@ "$work/sweep.list"
done
find . -type f ! -name '*.QZF' | while read -r f; do
  mkdir -p "$out/sweep/files/$(dirname "$f")"
  cp "$f" "$out/sweep/files/$f"
done
cd "$repo"

if [ ! -f "$season/.complete" ]; then
  rm -rf "$season"
  python3 "$repo/bench/make_season.py" --logs 300 --qsos 60000 -o "$season" >/dev/null
  touch "$season/.complete"
fi
find "$season" -name '*.log' | sort >"$work/season.list"
run season/results "$qz" batch results --cty "$cty" --jobs 2 -@ "$work/season.list" -o -
run season/results.tsv "$qz" batch results --tsv --cty "$cty" --jobs 2 -@ "$work/season.list"

# An STF file says when it was written: that line is the same in every run.
find "$out" -type f \( -name '*.stf' -o -name 'export.stf' \) -exec sed -i 's/^# Data written "[^"]*"/# Data written "(time)"/' {} +
echo "$(find "$out" -type f | wc -l) files written to $out"
if [ -n "$baseline" ]; then
  if diff -rq "$baseline" "$out"; then
    echo "identical to $baseline"
  else
    echo "differs from $baseline" >&2
    exit 1
  fi
fi
