#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a few seconds on its seed inputs, so that no
# target can rot. A target names its seeds in a line "// Seeds: GLOB ..." of its source
# (paths from the source root); a target without one starts from an empty input.
# Usage: fuzz-smoke.sh [BUILD_DIR] [SECONDS]     (defaults: build/fuzz, 5)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/fuzz}" && pwd)"
seconds="${2:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
targets=("$build"/bin/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets in $build/bin"
  exit 1
fi

passed=0
failed=0
for target in "${targets[@]}"; do
  name="$(basename "$target")"
  corpus="$work/$name"
  mkdir -p "$corpus"
  source="$root/tests/fuzz/$name.cpp"
  seeds=0
  if [ -f "$source" ]; then
    for pattern in $(sed -n 's|^// Seeds: ||p' "$source"); do
      for seed in "$root"/$pattern; do
        [ -f "$seed" ] && cp "$seed" "$corpus/$seeds-$(basename "$seed")" && seeds=$((seeds + 1))
      done
    done
  fi
  # New inputs go to the temporary corpus; a crash leaves its input in the work folder.
  if (cd "$work" && "$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus" >"$work/$name.log" 2>&1); then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name.log")"
    echo "$name: ok ($seeds seeds, ${runs:-?} runs in ${seconds}s)"
    passed=$((passed + 1))
  else
    echo "$name: FAILED ($seeds seeds); the end of its output:"
    tail -n 40 "$work/$name.log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
