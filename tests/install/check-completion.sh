#!/usr/bin/env bash
# Runs the bash completion of qz in a real bash against the built program: commands,
# options of a command, option values (formats, languages, contest keywords) and the
# log files of a folder by their extensions.
# Usage: check-completion.sh COMPLETION_FILE BIN_DIR
set -o pipefail  # no -e or -u: completion functions are not written for them
completion=$(realpath "$1")
PATH="$(realpath "$2"):$PATH"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
touch a.log b.QZF c.png d.adi
mkdir logs

# shellcheck source=/dev/null
source "$completion"
status=0
# expect "EXPECTED WORDS" WORD... : the completion of the last word, sorted, is EXPECTED.
expect() {
    local expected="$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _qz 2>/dev/null
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//')
    if [ "$got" != "$expected" ]; then
        echo "completing '$*': got '$got', expected '$expected'"
        status=1
    fi
}
expect "compile contests convert" qz co
expect "score" qz --lang ger sc
expect "ger" qz --lang g
expect "--force --format" qz export --fo
expect "adif" qz export --format a
expect "CQ-WW-CW CQ-WW-RTTY CQ-WW-SSB" qz score --contest CQ-WW-
expect "--jobs" qz batch --jo
expect "--rest" qz report --res
expect "crosscheck" qz cr
expect "--fix-contest" qz crosscheck --fi
expect "CQ-WW-CW CQ-WW-RTTY CQ-WW-SSB" qz crosscheck --fix-contest CQ-WW-
expect "a.log b.QZF d.adi logs" qz score ""
expect "b.QZF" qz info b
[ $status -eq 0 ] && echo "completion ok"
exit $status
