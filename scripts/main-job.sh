#!/usr/bin/env bash
# Sets up, builds and runs the main job on the data shipped with the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null
./build/release/bin/qz contests
