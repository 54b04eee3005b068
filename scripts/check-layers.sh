#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own. The order of
# the layers is read from the README's design section: the lines "src/NAME ..." of its
# layer list, lowest first. A folder of src/ missing from that list is an error too.
# Usage: check-layers.sh [SOURCE_ROOT]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
readme="$root/README.md"

# The layer list is the first fenced block after the "## Design" heading.
mapfile -t layers < <(awk '
  /^## Design/ { design = 1; next }
  design && /^## / { exit }
  design && /^```/ { if (inblock) exit; inblock = 1; next }
  inblock && match($0, /^src\/[a-z0-9_]+/) { print substr($0, 5, RLENGTH - 4) }
' "$readme")
if [ ${#layers[@]} -eq 0 ]; then
  echo "no layer list found in the design section of $readme"
  exit 1
fi

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

status=0
for dir in "$root"/src/*/; do
  name=$(basename "$dir")
  if [ -z "${rank[$name]+x}" ]; then
    echo "src/$name is not in the README's layer list"
    status=1
  fi
done

# One awk pass over every file: each quoted include must name a layer folder at or below
# the file's own layer; so must an include in angle brackets that names a layer folder
# (system and library headers name none).
find "$root/src" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) -print0 | sort -z |
  xargs -0 -r awk -v root="$root" -v order="${layers[*]}" '
    BEGIN { n = split(order, list, " "); for (i = 1; i <= n; i++) rank[list[i]] = i }
    FNR == 1 { rel = substr(FILENAME, length(root) + 2); split(rel, part, "/"); own = part[2] }
    !(own in rank) { next }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
      target = $0; sub(/^[^"]*"/, "", target); sub(/".*$/, "", target)
      layer = target; sub(/\/.*$/, "", layer)
      if (layer == target || !(layer in rank)) {
        printf "%s:%d: include \"%s\" names no layer folder\n", rel, FNR, target; bad = 1
      } else if (rank[layer] > rank[own]) {
        printf "%s:%d: src/%s includes \"%s\" of the higher layer src/%s\n", rel, FNR, own, target, layer; bad = 1
      }
    }
    /^[ \t]*#[ \t]*include[ \t]*</ {
      target = $0; sub(/^[^<]*</, "", target); sub(/>.*$/, "", target)
      layer = target; sub(/\/.*$/, "", layer)
      if (layer != target && (layer in rank) && rank[layer] > rank[own]) {
        printf "%s:%d: src/%s includes <%s> of the higher layer src/%s\n", rel, FNR, own, target, layer; bad = 1
      }
    }
    END { exit bad }' || status=1

if [ $status -eq 0 ]; then
  echo "include direction ok: ${layers[*]}"
fi
exit $status
