#!/usr/bin/env bash
# The bash completion of dpmr-tool, driven as bash drives it: commands and options from the
# tool's --help, field names from `dpmr-tool fields`, ports, bands and files.
# usage: check_completion.sh SOURCE_DIR BIN_DIR
set -euo pipefail
source_dir=$1 bin=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f /usr/share/bash-completion/bash_completion ] ||
    fail "bash-completion is not installed (scripts/install-deps.sh installs it)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export PATH=$bin:$PATH
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1091
source "$source_dir/packaging/bash-completion/dpmr-tool"

# Outside a real completion bash refuses compopt; what it would set is not checked here.
compopt() { :; }

# Completes the line (the cursor at its end) and prints one candidate a line.
complete_line() {
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    read -r -a COMP_WORDS <<<"$COMP_LINE"
    [[ $COMP_LINE == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _dpmr_tool dpmr-tool "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}"
}
expect() { # LINE WORD...: each WORD is among the candidates
    local line=$1 got
    shift
    got=$(complete_line "$line")
    for word in "$@"; do
        grep -qxF -- "$word" <<<"$got" || fail "'$line' does not offer $word; it offers: $got"
    done
}

expect "dpmr-tool " read write new info ports export-csv import-csv dump apply get set diff fields
# Every command of --help, not a list of our own.
for command in $("$bin/dpmr-tool" --help | awk 'tolower($0) ~ /^subcommands:$/ { on = 1; next }
                                                 /^[^ ]/ { on = 0 } on && /^  [a-z]/ { print $1 }'); do
    expect "dpmr-tool " "$command"
done
expect "dpmr-tool ex" export-csv
expect "dpmr-tool --" --help --version --trace
expect "dpmr-tool write --" --port --verify --backup-folder
expect "dpmr-tool read --port " COM1 COM16
expect "dpmr-tool new x.dat --band " 136-174 350-390 400-470
expect "dpmr-tool get fleet.dat alarm.al" alarm.alarm_time
expect "dpmr-tool set fleet.dat alarm.alarm_t" alarm.alarm_time=
expect "dpmr-tool dump fleet.dat --section ala" alarm
expect "dpmr-tool dump fleet.dat --section " channel dpmr.basic dpmr.contacts
# A numbered row waits for its number, then completes with it.
expect "dpmr-tool get fleet.dat chan" channel.
expect "dpmr-tool get fleet.dat channel.5.rx_f" channel.5.rx_freq
expect "dpmr-tool set fleet.dat dpmr.contacts.12.na" dpmr.contacts.12.name=

# File names after a command.
touch "$work/fleet.dat" "$work/list.csv"
cd "$work"
expect "dpmr-tool info fl" fleet.dat
expect "dpmr-tool import-csv fleet.dat li" list.csv
echo "dpmr-tool completes commands, options, ports, bands, fields and files"
