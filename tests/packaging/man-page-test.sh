#!/usr/bin/env bash
# The generated manual page reads without warnings and holds every command and every option of
# the program it was made from, with its version.
# Usage: man-page-test.sh PROGRAM PAGE
set -uo pipefail
program=$1 page=$2
export LC_ALL=C.UTF-8 MANWIDTH=200
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

warnings=$(man --warnings -l "$page" 2>&1 >/dev/null) || fail "man could not read $page"
[[ -z $warnings ]] || fail "man warns: $warnings"
text=$(man -l "$page" 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g; s/.\x08//g')
source=$(zcat -f "$page" | sed 's/\\-/-/g')

version=$("$program" --version | awk '{ print $NF }')
grep -q "^\.TH \"\{0,1\}ZUZUZE-VIZOZOD\"\{0,1\} \"\{0,1\}1\"\{0,1\} .*$version" <<<"$source" || fail "the page does not name version $version"

mapfile -t commands < <("$program" --help | sed -n '/^Commands:$/,$ s/^  \([a-z][a-z-]*\)  .*/\1/p')
((${#commands[@]} > 10)) || fail "too few commands in the help: ${commands[*]}"
for command in "${commands[@]}"; do
    grep -qx "\.SS $command" <<<"$source" || fail "no subsection for $command"
    # The command's section runs from its heading to the next one.
    section=$(awk -v name="$command" '$0 == "   " name { on = 1; next } /^   [a-z]/ || /^[A-Z]/ { on = 0 } on' <<<"$text")
    while read -r option; do
        grep -qF -- "$option" <<<"$section" || fail "$command's section lacks $option"
    done < <("$program" "$command" --help | sed -n '/^Options:$/,/^$/ s/^  \(--[a-z-]*\).*/\1/p' |
        grep -vxF -e --system-root -e --home -e --store -e --help -e --version)
    synopsis=$("$program" "$command" --help | head -1 | sed 's/^Usage: //')
    grep -qxF -- ".B $synopsis" <<<"$source" || fail "$command's section lacks its usage: $synopsis"
done

for heading in NAME SYNOPSIS DESCRIPTION OPTIONS COMMANDS "EXIT STATUS" FILES; do
    grep -qx "$heading" <<<"$text" || fail "no $heading section"
done

echo "man page: ${#commands[@]} commands checked, $failures failures"
((failures == 0))
