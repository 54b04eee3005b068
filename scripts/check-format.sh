#!/usr/bin/env bash
# Checks that the C++ sources of src/, tests/ and bench/ follow .clang-format; with --fix
# formats them in place instead. Only files git knows (or is about to know) are looked at.
set -euo pipefail
cd "$(dirname "$0")/.."
# Formatter versions differ in how they lay out the same source: the sources follow
# clang-format 14, the one Debian 12 ships (package clang-format-14).
required_major=14
format=clang-format-$required_major
command -v "$format" >/dev/null || format=clang-format
version=$("$format" --version 2>/dev/null | sed -n 's/.*clang-format version \([0-9]*\)\..*/\1/p')
if [ "$version" != "$required_major" ]; then
    echo "clang-format $required_major is needed (found: $("$format" --version 2>/dev/null || echo none))" >&2
    exit 1
fi
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.cpp' 'src/*.h' \
    'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
[ ${#files[@]} -eq 0 ] && exit 0
if [ "${1:-}" = "--fix" ]; then
    "$format" -i "${files[@]}"
    exit 0
fi
if ! "$format" --dry-run --Werror "${files[@]}" 2>/tmp/qz-format.$$; then
    grep -E '^[^ ].*: (error|warning):' /tmp/qz-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
    rm -f /tmp/qz-format.$$
    echo "Run 'bash scripts/check-format.sh --fix' to format them." >&2
    exit 1
fi
rm -f /tmp/qz-format.$$
echo "Formatting: ${#files[@]} files follow .clang-format."
