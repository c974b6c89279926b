#!/usr/bin/env bash
# Writes the manual page from the program's own help texts, so that the page cannot drift from
# the program: help2man turns the main help into the page, and each command's help becomes a
# subsection of COMMANDS with the options it adds to the global ones.
# Usage: make-man-page.sh PROGRAM STATIC_INCLUDE OUTPUT
set -euo pipefail
program=$1 static_include=$2 output=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The lines under "Commands:" in the main help, their first words.
mapfile -t commands < <("$program" --help | sed -n '/^Commands:$/,$p' | sed -n 's/^  \([a-z][a-z-]*\)  .*/\1/p')
((${#commands[@]} > 0)) || { echo "make-man-page.sh: no commands in \"$program --help\"" >&2; exit 1; }
# The global options, as "-h, --help": every command's help repeats them.
global_options=$("$program" --help | awk '/^  -/ { split(substr($0, 3), parts, /  +/); sub(/ <.*/, "", parts[1]); print parts[1] }')

to_roff() {
    awk -v globals="$global_options" '
        function escape(text) { gsub(/\\/, "\\e", text); gsub(/-/, "\\-", text); return text }
        function prose(text) { gsub(/\\/, "\\e", text); sub(/^[.'"'"']/, "\\\\\\&&", text); return text }
        function flush() { if (item != "" && !skip) print ".TP\n" item "\n" prose(body); item = ""; body = "" }
        BEGIN { split(globals, list, "\n"); for (i in list) global[list[i]] = 1 }
        NR == 1 { sub(/^Usage: /, ""); print ".PP\n.B " escape($0); next }
        /^Options:$/ { flush(); block = "options"; next }
        /^Arguments:$/ { flush(); block = "arguments"; next }
        /^$/ { flush(); next }
        block == "" { print ".PP\n" prose($0); next }
        /^  [^ ]/ {
            flush()
            line = substr($0, 3); split(line, parts, /  +/); name = parts[1]
            text = substr(line, length(name) + 1); sub(/^ +/, "", text)
            flag = name; sub(/ <.*/, "", flag)
            skip = (block == "options" && flag in global)
            if (block == "options") { value = ""; if (match(name, / <[^>]*>/)) { value = substr(name, RSTART + 2, RLENGTH - 3); name = substr(name, 1, RSTART - 1) }
                item = "\\fB" escape(name) "\\fR" (value == "" ? "" : " \\fI" value "\\fR") }
            else item = "\\fI" escape(name) "\\fR"
            body = text; next
        }
        { text = $0; sub(/^ +/, "", text); body = body " " text }
        END { flush() }'
}

{
    echo "[COMMANDS]"
    for command in "${commands[@]}"; do
        echo ".SS $command"
        "$program" "$command" --help | to_roff
    done
} >"$work/commands.h2m"

help2man --no-info --section=1 --manual="User Commands" \
    --name="keep a catalogue of the audio plug-ins installed on a computer" \
    --include="$static_include" --include="$work/commands.h2m" --output="$work/page.1" "$program"
mv "$work/page.1" "$output"
