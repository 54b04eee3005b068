#!/usr/bin/env bash
# Builds the Debian package qz_VERSION_amd64.deb from this tree: installs what the build
# needs, builds the release preset and packs it with CPack. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2
(cd build/release && cpack -G DEB >/dev/null)
ls -1 "$PWD"/build/release/qz_*_amd64.deb
