# bash completion for rackmere-cli. The commands and their options come from
# the program's own --help texts, so new commands complete without a change
# here; listings complete by file (1234.rkm) and by disk name, from
# `rackmere-cli list`.

_rackmere_cli_listings()
{
    local IFS=$'\n' name
    local -a names
    # The listing file's name (field 1) and the disk's name (field 3), a
    # name two listings have once.
    names=($("$1" "${@:2}" list 2>/dev/null | cut -f1,3 | tr '\t' '\n' | sort -u))
    for name in $(compgen -W '"${names[@]}"' -- "$cur" 2>/dev/null); do
        COMPREPLY+=("$(printf '%q' "$name")")
    done
}

_rackmere_cli()
{
    local cur prev words cword
    _init_completion || return

    local i cmd="" cmdAt=0
    local -a dir=()
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --dir) dir=(--dir "${words[i + 1]}"); ((i++)) ;;
            --dir=*) dir=("${words[i]}") ;;
            -*) ;;
            *) cmd=${words[i]}; cmdAt=$i; break ;;
        esac
    done

    case $prev in
        --dir) _filedir -d; return ;;
        -o | --output) _filedir; return ;;
        --format) COMPREPLY=($(compgen -W 'csv json html' -- "$cur")); return ;;
        --on-mount) COMPREPLY=($(compgen -W 'ask update ignore' -- "$cur")); return ;;
        --location | --lent-to) return ;;
    esac

    if [[ -z $cmd ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W '--dir --help --version' -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$("$1" --help 2>/dev/null |
                sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p')" -- "$cur"))
        fi
        return
    fi

    local help
    help=$("$1" "$cmd" --help 2>/dev/null)
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u) --help --dir" -- "$cur"))
        return
    fi
    # What the command's usage line asks for next: a folder, or a listing
    # (diff's A and B are listings too).
    local usage=${help%%$'\n'*}
    if [[ $usage == *" PATH"* ]]; then
        _filedir -d
    elif [[ $usage == *LISTING* || $usage == *" A B"* ]] && ((cword > cmdAt)); then
        _rackmere_cli_listings "$1" "${dir[@]}"
    fi
}
complete -F _rackmere_cli rackmere-cli
