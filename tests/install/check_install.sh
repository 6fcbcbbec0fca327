#!/usr/bin/env bash
# The installed tree (cmake --install into a temporary prefix) and the Debian package hold
# the three programs, a valid desktop entry, the scalable icon and the udev rule, and the
# package's dependencies come from the shared libraries.
# usage: check_install.sh BUILD_DIR CMAKE CPACK
set -euo pipefail
build=$1 cmake=$2 cpack=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

files=(bin/dpmr-cps bin/dpmr-tool bin/dpmr-radio-sim
       share/applications/dpmr-cps.desktop
       share/icons/hicolor/scalable/apps/dpmr-cps.svg
       lib/udev/rules.d/70-dpmr-cps-serial.rules)

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
for f in "${files[@]}"; do
    [ -f "$work/prefix/$f" ] || fail "cmake --install did not install $f"
done
for p in dpmr-cps dpmr-tool dpmr-radio-sim; do
    [ -x "$work/prefix/bin/$p" ] || fail "bin/$p is not executable"
done
desktop-file-validate "$work/prefix/share/applications/dpmr-cps.desktop" ||
    fail "desktop-file-validate refused the entry"
grep -q '^<svg ' "$work/prefix/share/icons/hicolor/scalable/apps/dpmr-cps.svg" ||
    fail "the icon is no SVG"
rule=$work/prefix/lib/udev/rules.d/70-dpmr-cps-serial.rules
for chip in 0403 067b 10c4 1a86; do
    line=$(grep "idVendor}==\"$chip\"" "$rule") || fail "no rule for vendor $chip"
    [[ $line == *'TAG+="uaccess"'* && $line == *'ENV{ID_MM_DEVICE_IGNORE}="1"'* ]] ||
        fail "the rule for $chip lacks uaccess or the ModemManager mark"
done
"$work/prefix/bin/dpmr-tool" export-csv --help >/dev/null || fail "the installed tool does not run"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$(ls "$work"/package/*.deb)
listing=$(dpkg-deb -c "$deb")
for f in "${files[@]}"; do
    grep -q " \./usr/$f\$" <<<"$listing" || fail "the package lacks /usr/$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libcsv3* && $depends == *libc6* ]] ||
    fail "Depends is not from the shared libraries: $depends"
dpkg-deb -I "$deb" postinst >/dev/null || fail "the package has no postinst for udev"
echo "installed tree and $(basename "$deb") hold ${#files[@]} files; Depends: $depends"
