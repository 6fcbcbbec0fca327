#!/usr/bin/env bash
# --help and --version of the three programs answer on stdout without a display, and an
# unknown option is an error on stderr (exit 2) that opens no window.
# usage: check_commands.sh BIN_DIR
set -euo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# No display at all: a program that reached for one would abort.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$work/out" 2>"$work/err"; }

version=""
for program in dpmr-cps dpmr-tool dpmr-radio-sim; do
    run "$bin/$program" --version || fail "$program --version failed: $(cat "$work/err")"
    first=$(head -n1 "$work/out")
    [[ $first =~ ^$program\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "$program --version said: $first"
    grep -q 'GPL-3.0-or-later' "$work/out" || fail "$program --version names no licence"
    [ -z "$version" ] || [ "${first#"$program" }" = "$version" ] ||
        fail "$program is version ${first#"$program" }, not $version"
    version=${first#"$program" }

    run "$bin/$program" --help || fail "$program --help failed: $(cat "$work/err")"
    grep -qi 'usage' "$work/out" || fail "$program --help shows no usage"
    grep -q -- '--version' "$work/out" || fail "$program --help does not list --version"
    [ ! -s "$work/err" ] || fail "$program --help wrote to stderr: $(cat "$work/err")"

    status=0
    run "$bin/$program" --no-such-option || status=$?
    [ "$status" -eq 2 ] || fail "$program --no-such-option exited $status, not 2"
    grep -q -- 'no-such-option' "$work/err" || fail "$program did not name the unknown option"
    [ ! -s "$work/out" ] || fail "$program wrote its usage error to stdout"
done

# dpmr-cps: -h as well, the file argument documented, and two files refused.
run "$bin/dpmr-cps" -h || fail "dpmr-cps -h failed"
grep -q 'FILE' "$work/out" || fail "dpmr-cps --help does not describe FILE"
status=0
run "$bin/dpmr-cps" a.dat b.dat || status=$?
[ "$status" -eq 2 ] || fail "dpmr-cps with two files exited $status, not 2"
echo "--help, --version and usage errors of the three programs work without a display"
