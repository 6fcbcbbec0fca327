#!/usr/bin/env bash
# Regenerates docs/screenshot.png: starts the program on a private X server, types a few
# channels into the table as a user would, and photographs the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth imagemagick xdotool
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target dpmr-cps

display=:$((90 + RANDOM % 9))
work=$(mktemp -d)
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display
cp build/bin/dpmr-cps "$work/"
"$work/dpmr-cps" &
program=$!
for _ in $(seq 50); do
    window=$(xdotool search --name '^Program software$' 2>/dev/null | head -n1) && break
    sleep 0.1
done
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5

# One channel a row: receive, transmit, receive tone, transmit tone.
type_channel() {
    xdotool key Return; xdotool type "$1"; xdotool key Return # rx, moves right
    xdotool key Return; xdotool type "$2"; xdotool key Return # tx, moves right
    xdotool key Return; xdotool type "$3"; xdotool key Return # rx tone
}
rows=("438.5 438.5 88.5" "438.5125 431.5125 D023N" "446.00625 446.00625 None" \
      "439.1 431.5 103.5" "445.2 445.2 d754i")
for row in "${rows[@]}"; do
    read -r rx tx tone <<<"$row"
    type_channel "$rx" "$tx" "$tone"
    xdotool key Escape Home Down
    sleep 0.2
done
xdotool key ctrl+Home
sleep 0.5
mkdir -p docs
import -window "$window" docs/screenshot.png
echo "docs/screenshot.png written"
