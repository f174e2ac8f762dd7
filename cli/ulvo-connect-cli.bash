# bash completion for ulvo-connect-cli
_ulvo_connect_cli()
{
    local cur prev words cword
    _init_completion || return
    local commands="list ls get put rm rename backup restore safety watch"
    local options="--calc --all --force --yes --output --json --quiet --no-safety-copy --from-backup --count --help --version"
    case $prev in
        -o|--output)
            _filedir -d
            return ;;
        --from-backup)
            _filedir ubk
            return ;;
        --count)
            return ;;
        -c|--calc)
            # Ports of attached calculators are cheap to find; names would need a question to each.
            COMPREPLY=($(compgen -W "$(ls /dev/ttyACM* 2>/dev/null)" -- "$cur"))
            return ;;
    esac
    local command="" i
    for ((i = 1; i < cword; i++)); do
        if [[ ${words[i]} != -* && ${words[i-1]} != @(-o|--output|-c|--calc|--from-backup|--count) ]]; then
            command=${words[i]}
            break
        fi
    done
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    else
        case $command in
            put) _filedir ;;
            watch)
                # watch takes put, then the files to send.
                if [[ ${words[cword-1]} == watch ]]; then
                    COMPREPLY=($(compgen -W "put" -- "$cur"))
                else
                    _filedir
                fi ;;
            backup|restore) _filedir ubk ;;
        esac
    fi
}
complete -F _ulvo_connect_cli ulvo-connect-cli
