#!/usr/bin/env bash
# Installs the Debian packages dpmr-cps needs to build, run, test and package (debhelper,
# help2man for the man pages, udev for its rules folder, and the checkers lintian, appstreamcli,
# bash-completion and man); does nothing when all are present. Extra package names may be
# given as arguments.
set -euo pipefail

packages=(build-essential cmake pkg-config libgtest-dev qt6-base-dev libgl-dev libcsv-dev libcli11-dev
          libtomlplusplus-dev pandoc qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
          desktop-file-utils dpkg-dev file ccache poppler-utils fonts-urw-base35 clang
          libclang-rt-14-dev debhelper help2man udev lintian appstream bash-completion man-db "$@")
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
# The German tests start the program with LANG=de_DE.UTF-8; the locale must exist for that.
ensure_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    [ -f /etc/locale.gen ] || return 0
    if [ "$(id -u)" -eq 0 ]; then
        sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen && locale-gen >/dev/null
    elif command -v sudo >/dev/null; then
        sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen && sudo locale-gen >/dev/null
    fi
}
if [ ${#missing[@]} -eq 0 ]; then
    ensure_locale
    exit 0
fi

echo "Installing: ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "Missing packages (${missing[*]}) and neither root nor sudo to install them." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q || true
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
ensure_locale
