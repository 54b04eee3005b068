#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that every file lands where
# freedesktop systems look for it; validates the desktop entry and the MIME type when
# the tools for it are installed.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR WITH_GUI(0|1)
set -euo pipefail
build="$1"
source="$2"
with_gui="$3"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/qz
  share/qz/Encoded/Eng.qz
  share/qz/Encoded/Ger.qz
  share/man/man1/qz.1.gz
  share/qz/manual/en/index.html
  share/qz/manual/de/index.html
  share/qz/manual/cli/index.html
  share/qz/manual/cli/export.html
  share/doc/qz/manual/en/index.html
  share/mime/packages/qz.xml
  share/icons/hicolor/scalable/apps/qz.svg
  share/icons/hicolor/48x48/apps/qz.png
  share/bash-completion/completions/qz
  share/doc/qz/copyright
  share/doc/qz/changelog.gz
  share/doc/qz/README.data
)
if [ "$with_gui" = 1 ]; then
  expected+=(bin/qz-gui share/applications/qz-gui.desktop share/man/man1/qz-gui.1.gz
             share/metainfo/org.qzlog.qz_gui.metainfo.xml)
fi
status=0
for f in "${expected[@]}"; do
  if [ ! -f "$prefix/$f" ]; then
    echo "missing after install: $f"
    status=1
  fi
done
for f in bin/qz bin/qz-gui; do
  if [ -e "$prefix/$f" ] && [ ! -x "$prefix/$f" ]; then
    echo "not executable: $f"
    status=1
  fi
done

# The entry names the program, the icon and the MIME type that are installed.
desktop="$source/data/desktop/qz-gui.desktop"
grep -qx 'Exec=qz-gui %F' "$desktop" || { echo "$desktop: Exec is not 'qz-gui %F'"; status=1; }
grep -qx 'Icon=qz' "$desktop" || { echo "$desktop: Icon is not the installed qz"; status=1; }
mime=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$source/data/desktop/qz.xml")
grep -qx "MimeType=$mime;" "$desktop" || { echo "$desktop: MimeType is not $mime"; status=1; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || status=1
else
  echo "desktop-file-validate not installed (desktop-file-utils): entry not validated"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$source/data/desktop/qz.xml" "$source/data/desktop/qz.svg" || status=1
fi
if command -v update-mime-database >/dev/null; then
  # The installed type is read by the MIME database and recognises a native log by name.
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || { echo "update-mime-database failed"; status=1; }
  grep -q 'application/x-qz-log:\*\.qzf' "$prefix/share/mime/globs2" || { echo "*.qzf not in the MIME globs"; status=1; }
fi
if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
  done
fi
# The software-centre entry names the installed desktop entry and is valid AppStream.
metainfo="$prefix/share/metainfo/org.qzlog.qz_gui.metainfo.xml"
if [ -f "$metainfo" ]; then
  grep -q '<launchable type="desktop-id">qz-gui.desktop</launchable>' "$metainfo" || { echo "$metainfo: no launchable qz-gui.desktop"; status=1; }
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null || { appstreamcli validate --pedantic --no-net "$metainfo"; status=1; }
  fi
fi
[ $status -eq 0 ] && echo "install ok: ${#expected[@]} files in place"
exit $status
