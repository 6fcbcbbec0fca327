#!/usr/bin/env bash
# An installed copy (a DESTDIR install with its programs under usr/bin, run by the user who
# can write there, as root can write /usr/bin) writes nothing beside its executable: the
# program's Program.ini and DATA, and the tool's backups, go to the XDG folders. A portable
# copy (the marker file beside the executable) keeps them beside it.
# usage: check_data_folders.sh BUILD_DIR CMAKE
set -euo pipefail
build=$1 cmake=$2
work=$(mktemp -d)
sim=""
cleanup() {
    [ -z "$sim" ] || kill "$sim" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$work/root "$cmake" --install "$build" --prefix /usr >/dev/null
bin=$work/root/usr/bin
[ -w "$bin" ] || fail "the test cannot write $bin"
before=$(ls -A "$bin")
export HOME=$work/home
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"

# A read through the installed tool makes a backup.
read_once() {
    "$1/dpmr-radio-sim" --quiet --once --link "$work/radio" >"$work/sim.out" &
    sim=$!
    for _ in $(seq 100); do [ -e "$work/radio" ] && break; sleep 0.1; done
    "$1/dpmr-tool" read --port "$work/radio" "$work/read.dat" >/dev/null ||
        fail "$1/dpmr-tool read failed"
    wait "$sim" || true
    sim=""
}
read_once "$bin"
ls "$HOME"/.local/share/dpmr-cps/DATA/backups/*-read.dat >/dev/null 2>&1 ||
    fail "the installed tool kept no backup in ~/.local/share/dpmr-cps/DATA/backups"

# The installed program makes its folders at start-up.
if [ -x "$bin/dpmr-cps" ]; then
    QT_QPA_PLATFORM=offscreen "$bin/dpmr-cps" >/dev/null 2>&1 &
    cps=$!
    for _ in $(seq 100); do [ -d "$HOME/.local/share/dpmr-cps/DATA" ] && break; sleep 0.1; done
    sleep 1
    kill "$cps" 2>/dev/null || true
    wait "$cps" 2>/dev/null || true
    [ -d "$HOME/.config/dpmr-cps" ] || fail "the installed program made no ~/.config/dpmr-cps"
fi
after=$(ls -A "$bin")
[ "$before" = "$after" ] || fail "written beside the installed executable: $(diff <(echo "$before") <(echo "$after"))"

# XDG_DATA_HOME is honoured.
export XDG_DATA_HOME=$work/xdg-data
read_once "$bin"
ls "$XDG_DATA_HOME"/dpmr-cps/DATA/backups/*-read.dat >/dev/null 2>&1 ||
    fail "the backup did not go to \$XDG_DATA_HOME/dpmr-cps/DATA/backups"

# The marker file makes the same copy portable.
touch "$bin/dpmr-cps.portable"
read_once "$bin"
ls "$bin"/DATA/backups/*-read.dat >/dev/null 2>&1 ||
    fail "the portable copy did not keep its backup beside the executable"
echo "an installed copy writes only to the XDG folders; a portable one beside itself"
