#!/bin/sh
# Our ADIF import and the npm package adif-parser-ts on the same generated
# 50,000-record file, in one run. The package is installed into the build folder
# (never into the source tree). Usage: bench/adif_vs_peer.sh [BUILD_DIR]
set -eu
build=${1:-build/release}
peer="$build/npm-peer"
file="$build/adif-bench-50k.adi"
if [ ! -d "$peer/node_modules/adif-parser-ts" ]; then
  mkdir -p "$peer"
  npm install --prefix "$peer" --no-save --no-audit --no-fund adif-parser-ts@0.7.7 >/dev/null
fi
ours=$(QZ_ADIF_BENCH_FILE="$file" "$build/bin/qz_bench" --benchmark_filter='BM_ADIF' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json)
median() {
  printf '%s' "$ours" | python3 -c 'import json,sys; d=json.load(sys.stdin); print([b["cpu_time"] for b in d["benchmarks"] if b.get("aggregate_name")=="median" and b["run_name"]==sys.argv[1]][0])' "$1"
}
read_ms=$(median BM_ADIFRead50k)
ours_ms=$(median BM_ADIFImport50k)
theirs=$(node "$(dirname "$0")/adif_peer.mjs" "$peer/node_modules" "$file" 5)
theirs_ms=$(printf '%s' "$theirs" | python3 -c 'import json,sys; print(json.load(sys.stdin)["best_cpu_ms"])')
echo "file: $file ($(wc -c < "$file") bytes, 50000 records)"
echo "adif-parser-ts 0.7.7 parseAdi:       ${theirs_ms} ms CPU (best of 5)"
echo "qz ADIF reading (records and fields):  ${read_ms} ms CPU (median of 5)"
echo "qz ADIF import into a contest log:     ${ours_ms} ms CPU (median of 5)"
python3 -c "print('reading: %.1f times the peer; whole import: %.1f times' % ($theirs_ms / $read_ms, $theirs_ms / $ours_ms))"
