#!/usr/bin/env bash
# The installed tree (cmake --install into a temporary prefix): the three programs with man
# pages that render without a warning, a valid desktop entry, the icons, AppStream metadata
# that appstreamcli accepts, the bash completion, the udev rule, and documentation whose links
# all resolve.
# usage: check_install.sh BUILD_DIR CMAKE
set -euo pipefail
build=$1 cmake=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
files=(bin/dpmr-cps bin/dpmr-tool bin/dpmr-radio-sim
       share/applications/dpmr-cps.desktop
       share/icons/hicolor/scalable/apps/dpmr-cps.svg
       share/metainfo/org.example.dpmr_cps.metainfo.xml
       share/bash-completion/completions/dpmr-tool
       share/man/man1/dpmr-cps.1 share/man/man1/dpmr-tool.1 share/man/man1/dpmr-radio-sim.1
       share/doc/dpmr-cps/README.md share/dpmr-cps/manual/index.html
       lib/udev/rules.d/70-dpmr-cps-serial.rules)
for size in 16 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x$size/apps/dpmr-cps.png")
done

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
for f in "${files[@]}"; do
    [ -f "$prefix/$f" ] || fail "cmake --install did not install $f"
done
for p in dpmr-cps dpmr-tool dpmr-radio-sim; do
    [ -x "$prefix/bin/$p" ] || fail "bin/$p is not executable"
done
[ ! -e "$prefix/bin/dpmr-cps.portable" ] || fail "the portable marker was installed"

desktop=$prefix/share/applications/dpmr-cps.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused the entry"
grep -q '^Keywords=.' "$desktop" || fail "the desktop entry has no Keywords"
grep -qx 'StartupWMClass=dpmr-cps' "$desktop" || fail "the desktop entry has no StartupWMClass"

for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/dpmr-cps.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size pixels"
done

metainfo=$prefix/share/metainfo/org.example.dpmr_cps.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli validate refused the metadata"; }
version=$("$prefix/bin/dpmr-tool" --version | head -n1)
grep -q "<release version=\"${version#dpmr-tool }\"" "$metainfo" ||
    fail "the metadata has no release $version"
grep -q '<launchable type="desktop-id">dpmr-cps.desktop</launchable>' "$metainfo" ||
    fail "the metadata does not launch the desktop entry"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metadata names no licence"

rule=$prefix/lib/udev/rules.d/70-dpmr-cps-serial.rules
for chip in 0403 067b 10c4 1a86; do
    line=$(grep "idVendor}==\"$chip\"" "$rule") || fail "no rule for vendor $chip"
    [[ $line == *'TAG+="uaccess"'* && $line == *'ENV{ID_MM_DEVICE_IGNORE}="1"'* ]] ||
        fail "the rule for $chip lacks uaccess or the ModemManager mark"
    # Every product of the rule is offered to the software centre.
    products=$(sed -n 's/.*idProduct}=="\([0-9a-f|]*\)".*/\1/p' <<<"$line" | tr '|' ' ')
    for product in $products; do
        alias="usb:v${chip^^}p${product^^}d\*"
        grep -q "<modalias>$alias</modalias>" "$metainfo" ||
            fail "no modalias for $chip:$product in the metadata"
    done
done

# The man pages render, and man finds nothing to warn about (what lintian runs).
for page in dpmr-cps dpmr-tool dpmr-radio-sim; do
    man_file=$prefix/share/man/man1/$page.1
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$man_file" >"$work/$page.out" 2>"$work/$page.err" ||
        fail "man could not render $page.1"
    [ ! -s "$work/$page.err" ] || { cat "$work/$page.err" >&2; fail "man warns about $page.1"; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man_file" >"$work/$page.txt" 2>/dev/null
    grep -q -- '--version' "$work/$page.txt" || fail "$page.1 does not describe --version"
done
# Every command of the tool has its section.
commands=$("$prefix/bin/dpmr-tool" --help | awk 'tolower($0) ~ /^subcommands:$/ { on = 1; next }
                                                 /^[^ ]/ { on = 0 } on && /^  [a-z]/ { print $1 }')
[ "$(wc -w <<<"$commands")" -ge 13 ] || fail "dpmr-tool --help lists too few commands: $commands"
for command in $commands; do
    grep -q "^   $command\$" "$work/dpmr-tool.txt" ||
        grep -q "^  $command\$" "$work/dpmr-tool.txt" ||
        fail "dpmr-tool.1 has no section for $command"
done

# The README's relative links and images resolve inside the installed documentation.
doc=$prefix/share/doc/dpmr-cps
links=$(grep -oE '\]\([^)#]+' "$doc/README.md" | sed 's/^](//' | grep -v '^[a-z]*://')
[ -n "$links" ] || fail "no links found in the README"
for link in $links; do
    [ -e "$doc/$link" ] || fail "the installed README links $link, which is not installed"
done

"$prefix/bin/dpmr-tool" export-csv --help >/dev/null || fail "the installed tool does not run"
echo "installed tree holds ${#files[@]} files; man pages, metadata, desktop entry and links valid"
