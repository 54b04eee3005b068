#!/usr/bin/env bash
# Checks that the C++ sources of src/, tests/ and bench/ follow .clang-format; with --fix
# formats them in place instead. Only files git knows (or is about to know) are looked at.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.cpp' 'src/*.h' \
    'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
[ ${#files[@]} -eq 0 ] && exit 0
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/qz-format.$$; then
    grep -E '^[^ ].*: (error|warning):' /tmp/qz-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
    rm -f /tmp/qz-format.$$
    echo "Run 'bash scripts/check-format.sh --fix' to format them." >&2
    exit 1
fi
rm -f /tmp/qz-format.$$
echo "Formatting: ${#files[@]} files follow .clang-format."
