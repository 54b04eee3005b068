#!/usr/bin/env bash
# Sets up, builds and runs every test: once optimised, once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then builds the fuzz targets with clang and runs each for
# a few seconds on its seed inputs (QZ_FUZZ_SECONDS, default 5). Formatting and clang-tidy
# (over the files changed against main and the core files) are checked first;
# the Debian package of the optimised build is installed, run and removed (as root).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/check-tidy.sh
for preset in release asan; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2
  ctest --preset "$preset" -j2
  # The Debian package of the optimised build, installed, run and removed.
  if [ "$preset" = release ]; then bash scripts/check-package.sh build/release; fi
done
echo "== fuzz =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
bash scripts/fuzz-smoke.sh build/fuzz "${QZ_FUZZ_SECONDS:-5}"
