#!/usr/bin/env bash
# Sets up, builds and runs the main job on the data shipped with the repository: scores
# the sample CQ WW CW log (a Cabrillo file, converted in memory) and prints its result.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null
./build/release/bin/qz score data/samples/sample-cqww-cw.log
