#!/bin/bash
# Screenshots of the channel table under Xvfb with openbox.
# Usage: xvfb-run -a -s "-screen 0 1280x800x24" scripts/channel-table-screenshots.sh OUTDIR build/bin/dpmr-cps PLAN.dat
# (PLAN.dat: dpmr-tool new PLAN.dat && dpmr-tool import-csv PLAN.dat docs/channel-table/plan.csv)

OUT=$1; BIN=$2; FILE=$3
openbox >/dev/null 2>&1 &
sleep 2
ASAN_OPTIONS=detect_leaks=0 "$BIN" "$FILE" >/dev/null 2>&1 &
w=$(xdotool search --sync --name "Program software" | head -1)
sleep 8
xdotool windowactivate --sync $w
eval $(xdotool getwindowgeometry --shell $w)
# The title bar's maximise button.
xdotool mousemove $((X + WIDTH - 28)) 9 click 1
sleep 1
xdotool mousemove 1000 700
sleep 3
import -window root "$OUT/maximised.png"
# Rows 3-6 selected with Shift+Down, then the context menu from the keyboard.
xdotool key --delay 200 Down Down Shift+Down Shift+Down Shift+Down
sleep 1
xdotool key Menu
sleep 2
import -window root "$OUT/selection-context-menu.png"
xdotool key Escape
sleep 1
xdotool key alt+Down
sleep 1
xdotool key alt+e
sleep 2
import -window root "$OUT/edit-menu.png"
xdotool key Escape Escape
sleep 1
