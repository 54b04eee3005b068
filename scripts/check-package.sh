#!/usr/bin/env bash
# Packs a release build as a Debian package and checks it as a user would meet it:
# lintian finds no error, `apt-get install` installs it, the installed programs run
# from /usr with the build folder out of sight (qz --version, qz score of the shipped
# sample, qz-gui on the offscreen platform), and `apt-get remove` leaves none of its
# files behind. Needs root and apt-get; skipped otherwise, and skipped when a qz
# package is already installed (it is not replaced).
# Usage: check-package.sh [BUILD_DIR]   (default build/release, already built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "package check skipped: it installs the package, which needs root and apt-get"
  exit 0
fi
if dpkg-query -W -f='${Status}' qz 2>/dev/null | grep -q "install ok installed"; then
  echo "package check skipped: a qz package is installed on this machine and is left as it is"
  exit 0
fi
command -v lintian >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq lintian >/dev/null ||
  echo "lintian could not be installed: the package is not linted"

work=$(mktemp -d)
hidden="$build.hidden-by-package-check"
cleanup() {
  [ -d "$hidden" ] && mv "$hidden" "$build"
  dpkg-query -W -f='${Status}' qz 2>/dev/null | grep -q "install ok installed" && apt-get remove -y -qq qz >/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && rm -f qz_*_amd64.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/qz_*_amd64.deb)
cp "$deb" "$work/"
deb="$work/$(basename "$deb")"
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

# Lintian: errors fail the check, warnings are listed.
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1 || true
  grep -E '^[EW]: ' "$work/lintian.txt" || true
  if grep -q '^E: ' "$work/lintian.txt"; then
    echo "lintian found errors"
    exit 1
  fi
  echo "lintian: $(grep -c '^E: ' "$work/lintian.txt") errors, $(grep -c '^W: ' "$work/lintian.txt") warnings"
fi

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
dpkg -L qz | sort >"$work/files.txt"

# The installed programs, with no build folder and no data folder of a developer.
mv "$build" "$hidden"
sample="$work/sample-cqww-cw.log"
cp data/samples/sample-cqww-cw.log "$sample"
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
unset QZ_DATA_DIR QZ_CONFIG_DIR QZ_INSTALLED_DIR
mkdir -p "$HOME"
status=0
version=$(cd "$work" && /usr/bin/qz --version)
echo "installed: $version"
(cd "$work" && /usr/bin/qz score "$sample") | head -3 || status=1
(cd "$work" && /usr/bin/qz score "$sample" >/dev/null) || { echo "qz score of the sample failed"; status=1; }
# qz-gui starts, opens the sample and keeps running until it is stopped.
set +e
(cd "$work" && QT_QPA_PLATFORM=offscreen timeout 8 /usr/bin/qz-gui "$sample" >"$work/gui.txt" 2>&1)
gui=$?
set -e
if [ $gui -ne 124 ]; then
  echo "qz-gui ended by itself with status $gui:"
  cat "$work/gui.txt"
  status=1
fi
mv "$hidden" "$build"

# Removed: no file of the package is left.
apt-get remove -y -qq qz >/dev/null
left=0
while IFS= read -r f; do
  if [ -f "$f" ] || [ -L "$f" ]; then echo "left after removal: $f"; left=1; fi
done <"$work/files.txt"
[ $left -eq 0 ] || status=1
[ $status -eq 0 ] && echo "package ok: $(grep -c . "$work/files.txt") paths installed and removed"
exit $status
