#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the source (tracked and new files, no build
# folders) with dpkg-buildpackage, and holds it to what the distribution's own packages pass:
# lintian reports no error and no warning. The package depends on the Qt platform plugins and
# holds the programs, man pages, metadata, completion and udev rule.
# usage: check_package.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$1 work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

# A fixed place, so the compiler cache recognises the same build next time.
rm -rf "$work"
mkdir -p "$work/dpmr-cps"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
        (cd "$source_dir" && xargs -0 cp --parents -t "$work/dpmr-cps" 2>/dev/null || true)
else
    (cd "$source_dir" && tar --exclude='./build*' --exclude='./obj-*' -cf - .) |
        tar -C "$work/dpmr-cps" -xf -
fi
cd "$work/dpmr-cps"
export CCACHE_BASEDIR=$work/dpmr-cps
DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -uc -us >"$work/build.log" 2>&1 ||
    { tail -n 60 "$work/build.log" >&2; fail "dpkg-buildpackage failed (log: $work/build.log)"; }
cd "$work"
deb=$(ls "$work"/dpmr-cps_*.deb)
changes=$(ls "$work"/dpmr-cps_*.changes)

lintian --info --display-info --pedantic "$changes" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -E '^[EW]: ' "$work/lintian.log"; then
    fail "lintian reports errors or warnings"
fi

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *qt6-qpa-plugins* && $depends == *libqt6widgets6* && $depends == *libc6* ]] ||
    fail "Depends lacks the platform plugins or the shared libraries: $depends"
listing=$(dpkg-deb -c "$deb")
for f in usr/bin/dpmr-cps usr/bin/dpmr-tool usr/bin/dpmr-radio-sim \
    usr/share/man/man1/dpmr-tool.1.gz usr/share/metainfo/org.example.dpmr_cps.metainfo.xml \
    usr/share/bash-completion/completions/dpmr-tool usr/share/doc/dpmr-cps/copyright \
    usr/share/doc/dpmr-cps/README.md usr/share/dpmr-cps/manual/index.html usr/share/icons/hicolor/256x256/apps/dpmr-cps.png \
    "$(pkg-config --variable=udevdir udev | sed 's|^/||')/rules.d/70-dpmr-cps-serial.rules"; do
    grep -q " \./$f\$" <<<"$listing" || fail "the package lacks /$f"
done
dpkg-deb -I "$deb" postinst >/dev/null || fail "the package has no postinst for udev"
echo "$(basename "$deb"): lintian clean; Depends: $depends"
