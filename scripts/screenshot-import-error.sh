#!/usr/bin/env bash
# Regenerates docs/import-error.png: starts the program on a private X server, imports a channel
# list with a bad row through File > Import channels... as a user would, and photographs the
# message. BUILD=folder uses another build of the program (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth imagemagick xdotool
build=${BUILD:-build}
if [ -z "${BUILD:-}" ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)" --target dpmr-cps
fi

display=:$((90 + RANDOM % 9))
work=$(mktemp -d)
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display
cp "$build/bin/dpmr-cps" "$work/"
cat >"$work/channels.csv" <<'CSV'
Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode
1,Base,438.500000,,,Tone,88.5,FM
2,Repeater,438.512500,-,7.000000,,,NFM
3,Far away,146.520000,,,,,FM
CSV
ASAN_OPTIONS=detect_leaks=0 "$work/dpmr-cps" &
program=$!
for _ in $(seq 100); do
    window=$(xdotool search --name '^Program software$' 2>/dev/null | head -n1) && break
    sleep 0.1
done
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key alt+f; sleep 0.3; xdotool key i; sleep 1
xdotool type "$work/channels.csv"; xdotool key Return
sleep 1
box=$(xdotool search --name '^Program$' | tail -n1)
mkdir -p docs
import -window "$box" docs/import-error.png
echo "docs/import-error.png written"
