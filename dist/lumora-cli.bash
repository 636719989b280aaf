# bash completion for lumora-cli.
# The commands and each command's options are read from the program's own usage texts
# (`lumora-cli help`, `lumora-cli help COMMAND`), so a new command or option completes
# without a change here. Only values from a fixed set of words are listed below.

# The command names, one a line, from the "commands:" block of the usage.
_lumora_cli_commands() {
    "$1" help 2>/dev/null | awk '/^commands:$/ { inside = 1; next } inside && /^$/ { exit } inside { print $1 }'
}

# Sets the caller's `names` (every option of COMMAND, or without one those accepted
# before any command) and `valued` (those that take the next word as their value) from
# the "options:" block of the usage, whose rows read "  -h, --help  …", "  --max N  …",
# "  --color=WHEN  …". "--color=WHEN" becomes "--color=", which its value follows directly.
_lumora_cli_read_options() {
    names=()
    valued=()
    local name value
    while read -r name value; do
        names+=("$name")
        if [[ -n $value ]]; then
            valued[$name]=1
        fi
    done < <("$1" help ${2:+"$2"} 2>/dev/null | awk '
        /^options:$/ { inside = 1; next }
        inside && /^$/ { exit }
        inside {
            sub(/^ +/, "")
            split($0, columns, /  +/)
            count = split(columns[1], forms, /, /)
            for (i = 1; i <= count; i++) {
                if (forms[i] == "--") continue
                sub(/=.*/, "=", forms[i])
                print forms[i]
            }
        }')
}

_lumora_cli() {
    local program=${COMP_WORDS[0]}
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    # bash splits "--color=al" into "--color" "=" "al"; the value's option is then "--color=".
    if [[ $cur == = ]]; then
        cur=""
        prev+="="
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}=
    fi

    local -a names=()
    local -A valued=()
    _lumora_cli_read_options "$program"

    # The command is the first word that is neither an option nor an option's value; "-"
    # and "-5" are arguments, as the program reads them.
    local command="" options_ended=0 arguments=0 i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if ((options_ended)) || [[ $word != -[!0-9]* ]]; then
            if [[ -z $command ]]; then
                command=$word
                _lumora_cli_read_options "$program" "$command"
            else
                ((++arguments))
            fi
        elif [[ $word == -- ]]; then
            options_ended=1
        elif [[ ${COMP_WORDS[i + 1]:-} == = ]]; then
            ((i += 2)) # "--max=5": the option, "=" and the value
        elif [[ -n ${valued[$word]:-} ]]; then
            ((++i))
        fi
    done

    if ((!options_ended)); then
        case $prev in
        --color=)
            mapfile -t COMPREPLY < <(compgen -W "auto always never" -- "$cur")
            return
            ;;
        --exclude | --exclude=)
            mapfile -t COMPREPLY < <(compgen -W "东 南 西 北" -- "$cur")
            return
            ;;
        esac
        # Other values (a number, a date, an activity) have no list to offer.
        [[ -n ${prev%=} && -n ${valued[${prev%=}]:-} ]] && return
    fi

    if ((!options_ended)) && [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${names[*]}" -- "$cur")
        if ((${#COMPREPLY[@]} == 1)) && [[ ${COMPREPLY[0]} == *= ]]; then
            compopt -o nospace
        fi
        return
    fi

    if [[ -z $command ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_lumora_cli_commands "$program")" -- "$cur")
        return
    fi

    case $command in
    help)
        if ((arguments == 0)); then
            mapfile -t COMPREPLY < <(compgen -W "$(_lumora_cli_commands "$program")" -- "$cur")
        fi
        ;;
    pair)
        if ((arguments < 2)); then
            mapfile -t COMPREPLY < <(compgen -W "鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪" -- "$cur")
        fi
        ;;
    esac
}

complete -F _lumora_cli lumora-cli
