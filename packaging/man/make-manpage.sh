#!/usr/bin/env bash
# Makes PROGRAM's man page from its --help and --version with help2man, adding the sections of
# INCLUDE and, for a program with commands, each command's own --help.
# usage: make-manpage.sh HELP2MAN PROGRAM INCLUDE OUTPUT
set -euo pipefail
help2man=$1 program=$2 include=$3 output=$4
work=$(mktemp)
trap 'rm -f "$work"' EXIT
cp "$include" "$work"

# The commands are the tool's own list ("Subcommands:" of --help), so a new one gets its
# section without editing anything here.
commands=$("$program" --help | awk 'tolower($0) ~ /^subcommands:$/ { on = 1; next }
                                    /^[^ ]/ { on = 0 } on && /^  [a-z]/ { print $1 }')
# The closing line of the tool's help ends every command's help too; once is enough.
footer=$("$program" --help | tail -n1)
if [ -n "$commands" ]; then
    {
        echo "[COMMANDS]"
        for command in $commands; do
            echo ".SS $command"
            echo ".nf"
            # roff: a backslash is \e, a line may not start with a dot or an apostrophe.
            "$program" "$command" --help | grep -vxF -- "${footer:-$'\n'}" |
                sed -e 's/\\/\\e/g' -e "s/^[.']/\\\\\&&/"
            echo ".fi"
        done
    } >>"$work"
fi
mkdir -p "$(dirname "$output")"
"$help2man" --no-info --include "$work" --output "$output" "$program"
