#!/usr/bin/env bash
# The shell completions load and complete commands, options, option values and plug-in NAMEs from
# a catalogue built through the program in a temporary folder.
# Usage: completion-test.sh PROGRAM BASH_COMPLETION [ZSH_COMPLETION]
set -uo pipefail
program=$1 bash_completion=$2 zsh_completion=${3:-}
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The user's own catalogue is never looked at.
export HOME=$work/home XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
failures=0 checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

bundle() { # FOLDER NAME: a VST3 bundle whose property list names it
    local contents="$1/$2.vst3/Contents" name=$2
    name=${name//&/&amp;}
    name=${name//</&lt;}
    mkdir -p "$contents/MacOS"
    printf 'x' >"$contents/MacOS/plugin"
    cat >"$contents/Info.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleName</key><string>$name</string>
<key>CFBundleIdentifier</key><string>com.example.test</string>
<key>CFBundleShortVersionString</key><string>1.0</string>
<key>CFBundleExecutable</key><string>plugin</string>
</dict></plist>
PLIST
}
catalogue() { # STORE FOLDER: grants the folder and refreshes
    "$program" --store "$1" grant "$2" >/dev/null 2>&1 && "$program" --store "$1" refresh >/dev/null 2>&1 ||
        { echo "cannot build the catalogue $1" >&2; exit 1; }
}
for name in 'Pro-Q 3' 'Pro-L 2' 'Say "Hi"' 'Back\slash' 'Ünïcode 音' 'Tom & Jerry' 'Zeta'; do
    bundle "$work/plugins" "$name"
done
bundle "$work/other" 'Other One'
catalogue "$work/main.sqlite" "$work/plugins"
catalogue "$work/other.sqlite" "$work/other"

# What bash offers with the cursor at the end of the words (program first), one per line.
complete_bash() {
    bash --norc --noprofile -c '
        source "$1" || exit 3
        shift
        COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=()
        _zuzuze_vizozod
        ((${#COMPREPLY[@]} == 0)) || printf "%s\n" "${COMPREPLY[@]}"' _ "$bash_completion" "$program" "$@"
}
expect() { # EXPECTED ACTUAL DESCRIPTION
    checks=$((checks + 1))
    [[ $1 == "$2" ]] || fail "$3: expected [${1//$'\n'/|}], got [${2//$'\n'/|}]"
}
lines() { printf '%s\n' "$@"; }

commands=$("$program" --help | sed -n '/^Commands:$/,$ s/^  \([a-z][a-z-]*\)  .*/\1/p')
main=$work/main.sqlite
all_names=$(lines 'Back\\slash' 'Pro-L\ 2' 'Pro-Q\ 3' 'Say\ \"Hi\"' 'Tom\ \&\ Jerry' 'Ünïcode\ 音' 'Zeta' | sort)

expect "$commands" "$(complete_bash '')" "every command of the help, in its order"
expect "export" "$(complete_bash ex)" "a command from its start"
expect "$(lines --as --arch)" "$(complete_bash export out.json --a)" "a command's options"
expect "$(lines --home --help)" "$(complete_bash --h)" "the global options, in the help's order"
expect "json" "$(complete_bash export out --as j)" "a value of --as"
expect "$(lines VST VST3)" "$(complete_bash list --format V)" "values of --format"
expect "$(lines 'Apple\ Silicon')" "$(complete_bash list --arch apple)" "a value with a blank, in any case"
expect "" "$(complete_bash list --favorites '')" "a flag takes no value"
expect "$all_names" "$(complete_bash --store "$main" show '' | sort)" "every NAME, quoted for the shell"
expect "$(lines 'Pro-L\ 2' 'Pro-Q\ 3')" "$(complete_bash --store "$main" favorite pro)" "NAMEs from their start, in any case"
expect "$(lines 'Pro-Q\ 3')" "$(complete_bash --store "$main" tag 'Pro-Q\ ')" "a NAME after an escaped blank"
expect "$(lines 'Say\ \"Hi\"')" "$(complete_bash --store "$main" note '"say')" "a NAME after an opening quote"
expect "$(lines 'Ünïcode\ 音')" "$(complete_bash --store "$main" --json show ü)" "a NAME after an option"
expect "Other\ One" "$(complete_bash --store "$work/other.sqlite" show '')" "the catalogue of --store"
expect "Other\ One" "$(complete_bash --store = "$work/other.sqlite" show '')" "the catalogue of --store=PATH"
expect "" "$(complete_bash --store "$main" note Zeta '')" "no NAME for a note's TEXT"
expect "" "$(complete_bash --store "$main" show Zeta '')" "one NAME only"
expect "" "$(complete_bash --store "$work/missing.sqlite" show '')" "no NAMEs without a catalogue"
[[ ! -e $work/missing.sqlite ]] || fail "completing made a catalogue"
[[ ! -e $XDG_DATA_HOME/zuzuze-vizozod ]] || fail "completing made the user's catalogue"
expect "$work/plugins" "$(complete_bash grant "$work/plu")" "a FOLDER argument"

# zsh: the function the completion system autoloads, with its output functions recording offers.
if [[ -n $zsh_completion ]] && command -v zsh >/dev/null; then
    complete_zsh() {
        zsh -f -c '
            compadd() { local array=${@[-1]}; print -rl -- "${(@P)array}"; }
            _describe() { local array=$4; print -rl -- "${(@)${(@P)array}%%:*}"; }
            _directories() { print "(directories)"; }
            _files() { print "(files)"; }
            words=("${@[2,-1]}"); CURRENT=$#words; PREFIX=${words[-1]}
            source "$1"' _ "$zsh_completion" "$program" "$@"
    }
    expect "$commands" "$(complete_zsh '')" "zsh: every command"
    expect "$(lines csv text markdown pdf json)" "$(complete_zsh export out --as '')" "zsh: the values of --as"
    expect "$(lines 'Back\slash' 'Pro-L 2' 'Pro-Q 3' 'Say "Hi"' 'Tom & Jerry' 'Ünïcode 音' 'Zeta' | sort)" \
        "$(complete_zsh --store "$main" show '' | sort)" "zsh: every NAME"
    expect "(directories)" "$(complete_zsh scan '')" "zsh: a FOLDER argument"
fi

echo "completion: $checks checks, $failures failures"
((failures == 0))
