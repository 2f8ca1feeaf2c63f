#!/usr/bin/env bash
# Takes the software-centre screenshot from the real window: starts the built game on a virtual
# screen, answers the welcome dialog, opens puzzle 150, writes a few digits in pen and in pencil
# and keeps the window's picture as packaging/screenshots/korvel-1.0-board.png.
# Needs xvfb, xdotool and imagemagick; run after `make build`.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--on-screen" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1000x24" "$0" --on-screen
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/.config # no player's settings are read or changed
build/bin/korvel &
game=$!
sleep 5
xdotool key Return # the welcome dialog's Start
sleep 2
xdotool mousemove 358 47 click --repeat 3 1 && xdotool type --delay 80 150 && xdotool key Return
sleep 1
xdotool key Return # yes, change the puzzle
sleep 1
# Cells are 35 pixels from (64, 77), column and row 0 holding the clues of edge runs; the digits
# are the solution's.
xdotool mousemove 116 129 click 1 && xdotool key 9 Right 4
xdotool mousemove 116 164 click 1 && xdotool key 8 Right 2 Right 9 Right 5
xdotool mousemove 195 45 click 1 # Pencil
xdotool mousemove 116 199 click 1 && xdotool key 6 Right 7
xdotool mousemove 151 234 click 1 && xdotool key 1
xdotool mousemove 500 500
sleep 1
import -window root "$scratch/screen.png"
kill "$game"
# The main window opens at (0, 0), 775 by 575 pixels; 64 colours keep the file small.
convert "$scratch/screen.png" -crop 775x575+0+0 +repage -strip -colors 64 \
  PNG8:packaging/screenshots/korvel-1.0-board.png
