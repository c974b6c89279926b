# bash completion for zuzuze-vizozod: commands, options, option values and plug-in NAMEs.
# Commands, options and the closed sets of option values are read from the program's own help, so
# they follow the program it completes; NAMEs come from "list --json" on the catalogue named by an
# earlier --store (or the user's catalogue), and only from a catalogue that exists already.

declare -gA _zuzuze_vizozod_help_cache

# The help of a command, or of the program for "", into _zuzuze_vizozod_text; read once per shell,
# so it must not run in a subshell.
_zuzuze_vizozod_help() {
    local key="$1@$2"
    if [[ -z ${_zuzuze_vizozod_help_cache[$key]+set} ]]; then
        _zuzuze_vizozod_help_cache[$key]=$("$1" ${2:+"$2"} --help 2>/dev/null)
    fi
    _zuzuze_vizozod_text=${_zuzuze_vizozod_help_cache[$key]}
}

# "NAME<TAB>PLACEHOLDER<TAB>DESCRIPTION" for each option of a help text; "-h, --help" gives two.
_zuzuze_vizozod_options() {
    awk 'function flush(  count, names, i) { count = split(name, names, /, /); for (i = 1; i <= count; i++) print names[i] "\t" value "\t" text; name = "" }
        /^Options:$/ { on = 1; next }
        /^$/ { flush(); on = 0 }
        on && /^  -/ { flush(); split(substr($0, 3), parts, /  +/); name = parts[1]; value = ""
            text = substr($0, 3 + length(name)); sub(/^ +/, "", text)
            if (match(name, / <[^>]*>/)) { value = substr(name, RSTART + 2, RLENGTH - 3); name = substr(name, 1, RSTART - 1) }
            next }
        on && /^   / { line = $0; sub(/^ +/, "", line); text = text " " line }
        END { flush() }'
}

# The closed set of values an option's description names: "csv|text|pdf", "format F: AU, VST or
# CLAP.", "as stored: "Apple Silicon" or "Unknown".", "Sections by name, publisher or type".
_zuzuze_vizozod_values() {
    local text=$1 list=""
    text=$(sed 's/ ([^)]*)//g' <<<"$text")
    if [[ $text =~ [a-z0-9]+(\|[a-z0-9]+)+ ]]; then
        tr '|' '\n' <<<"${BASH_REMATCH[0]}"
        return
    fi
    text=${text%%. *}
    text=${text%.}
    if [[ $text == *": "* ]]; then
        list=${text#*: }
    elif [[ $text == *" by "* ]]; then
        list=${text##* by }
    fi
    [[ $list == *" or "* ]] || return 0
    list=${list// or /, }
    list=${list//\"/}
    sed 's/, /\n/g' <<<"$list"
}

# The plug-in names of a catalogue, as "list" shows them.
_zuzuze_vizozod_names() {
    local program=$1 store=$2
    [[ -f $store ]] || return 0
    local -a run=("$program" --store "$store" list --json)
    command -v timeout >/dev/null && run=(timeout 10 "${run[@]}")
    "${run[@]}" 2>/dev/null |
        sed -n 's/^ \{20\}"name": "\(.*\)",\{0,1\}$/\1/p' |
        sed 's/\\"/\\x22/g' |
        while IFS= read -r name; do printf '%b\n' "$name"; done
}

# A word as the shell will pass it: quotes and backslashes removed, a leading ~ expanded.
_zuzuze_vizozod_dequote() {
    local word=$1
    [[ $word == \~* ]] && word=$HOME${word#\~}
    if [[ $word == \'* ]]; then
        word=${word#\'}
        word=${word%\'}
    elif [[ $word == \"* ]]; then
        word=${word#\"}
        word=${word%\"}
    else
        word=$(sed 's/\\\(.\)/\1/g' <<<"$word")
    fi
    printf '%s' "$word"
}

# Offers each candidate that starts with the word, in any case, quoted for the shell.
_zuzuze_vizozod_offer() {
    local cur candidate
    cur=$(_zuzuze_vizozod_dequote "$1")
    shift
    while IFS= read -r candidate; do
        [[ -n $candidate && ${candidate,,} == "${cur,,}"* ]] && COMPREPLY+=("$(printf '%q' "$candidate")")
    done
}

_zuzuze_vizozod() {
    local program=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]}
    local command="" store="" expecting="" option_table word i positional=0
    [[ $cur == = ]] && cur=""
    COMPREPLY=()
    program=$(_zuzuze_vizozod_dequote "$program")
    local data_home=${XDG_DATA_HOME:-$HOME/.local/share}
    store=$data_home/zuzuze-vizozod/catalog.sqlite

    local _zuzuze_vizozod_text commands
    _zuzuze_vizozod_help "$program" ""
    option_table=$(_zuzuze_vizozod_options <<<"$_zuzuze_vizozod_text")
    commands=$(sed -n '/^Commands:$/,$ s/^  \([a-z][a-z-]*\)  .*/\1/p' <<<"$_zuzuze_vizozod_text")

    # What the words before the cursor say: the command, the catalogue, positional arguments.
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        [[ $word == = ]] && continue
        if [[ -n $expecting ]]; then
            [[ $expecting == --store ]] && store=$(_zuzuze_vizozod_dequote "$word")
            expecting=""
            continue
        fi
        if [[ $word == -* ]]; then
            local value
            value=$(awk -F'\t' -v name="${word%%=*}" '$1 == name { print $2; exit }' <<<"$option_table")
            if [[ $word == *=* ]]; then
                [[ ${word%%=*} == --store ]] && store=$(_zuzuze_vizozod_dequote "${word#*=}")
            elif [[ -n $value ]]; then
                expecting=$word
            fi
            continue
        fi
        if [[ -z $command ]]; then
            command=$word
            _zuzuze_vizozod_help "$program" "$command"
            option_table=$(_zuzuze_vizozod_options <<<"$_zuzuze_vizozod_text")
        else
            ((positional++))
        fi
    done

    if [[ -n $expecting ]]; then
        local placeholder description
        IFS=$'\t' read -r _ placeholder description < <(awk -F'\t' -v name="$expecting" '$1 == name' <<<"$option_table")
        case $placeholder in
        DIR) mapfile -t COMPREPLY < <(compgen -d -- "$cur"); compopt -o filenames 2>/dev/null ;;
        PATH | FILE) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null ;;
        *) _zuzuze_vizozod_offer "$cur" < <(_zuzuze_vizozod_values "$description") ;;
        esac
        return 0
    fi
    if [[ $cur == -* ]]; then
        _zuzuze_vizozod_offer "$cur" < <(cut -f1 <<<"$option_table")
        return 0
    fi
    if [[ -z $command ]]; then
        _zuzuze_vizozod_offer "$cur" <<<"$commands"
        return 0
    fi

    # The placeholder this argument stands for in the command's usage; a last "FOLDER..." repeats.
    local -a placeholders
    read -r -a placeholders < <(sed -n '1{s/^Usage: [^ ]* [^ ]*//; s/\[[^]]*\]\(\.\.\.\)\{0,1\}//g; p}' <<<"$_zuzuze_vizozod_text")
    local last=$((${#placeholders[@]} - 1))
    ((last >= 0)) || return 0
    if ((positional > last)); then
        [[ ${placeholders[last]} == *... ]] || return 0
        positional=$last
    fi
    case ${placeholders[positional]%...} in
    NAME) _zuzuze_vizozod_offer "$cur" < <(_zuzuze_vizozod_names "$program" "$store") ;;
    FOLDER | DIR) mapfile -t COMPREPLY < <(compgen -d -- "$cur"); compopt -o filenames 2>/dev/null ;;
    FILE) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null ;;
    esac
    return 0
}

complete -F _zuzuze_vizozod zuzuze-vizozod
