#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the C++ files of src/ that differ
# from main's merge base (committed or not) and over a fixed list of core files, two at
# a time, and fails on any finding. Whole-tree runs take far too long for every test
# run; the core list keeps the most used code checked even when nothing changed there.
# The compile commands come from a clang configuration of its own (configured only,
# nothing is built), so that GCC-only flags never reach clang.
# Usage: check-tidy.sh [BASE_REF]   (default: main)
set -euo pipefail
cd "$(dirname "$0")/.."
base_ref="${1:-main}"
build=build/tidy

# The core: the contest log and its compile, the native file, opening and writing logs,
# the file and text helpers everything uses.
core=(
  src/base/fileio.cpp
  src/base/settingsstore.cpp
  src/base/text.cpp
  src/domain/cty.cpp
  src/domain/qso.cpp
  src/engine/checks.cpp
  src/engine/compile.cpp
  src/export/exporter.cpp
  src/import/convert.cpp
  src/import/openlog.cpp
  src/logfile/qzf.cpp
)

changed=()
if merge_base=$(git merge-base HEAD "$base_ref" 2>/dev/null); then
  mapfile -t changed < <({ git diff --name-only --diff-filter=d "$merge_base" -- 'src/*.cpp'
                           git ls-files --others --exclude-standard -- 'src/*.cpp'; } | sort -u)
else
  echo "clang-tidy: no merge base with $base_ref; checking the core files only"
fi

if [ ! -f "$build/compile_commands.json" ] || [ CMakeLists.txt -nt "$build/compile_commands.json" ] ||
   [ src/CMakeLists.txt -nt "$build/compile_commands.json" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
    -DQZ_BUILD_TESTS=OFF -DQZ_BUILD_BENCH=OFF -DQZ_BUILD_GUI=OFF >/dev/null
fi

# Only files of the clang configuration: the desktop program's sources need Qt's
# generated code and are left to the compilers.
mapfile -t files < <(printf '%s\n' "${core[@]}" "${changed[@]}" | sort -u |
                     while read -r f; do
                       [ -f "$f" ] && grep -q "\"file\": \"$PWD/$f\"" "$build/compile_commands.json" && echo "$f"
                     done)
[ ${#files[@]} -eq 0 ] && exit 0

start=$SECONDS
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" |
  xargs -P "${QZ_TIDY_JOBS:-2}" -n 1 clang-tidy -p "$build" --quiet --warnings-as-errors='*' >"$log" 2>&1 ||
  status=1
if [ $status -ne 0 ]; then
  grep -E ': (warning|error):' "$log" | sort -u >&2 || cat "$log" >&2
  echo "clang-tidy: findings in the files above (${#files[@]} files checked)" >&2
  exit 1
fi
echo "clang-tidy: ${#files[@]} files clean in $((SECONDS - start)) s."
