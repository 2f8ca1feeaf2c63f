#!/usr/bin/env bash
# Draws Korvel's icon (the .ico beside the program and the desktop icons at every size) and the
# welcome dialog's logo with ImageMagick. The results are committed; run this only to redraw them.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The icon: a three-by-three corner of a Kakuro board on a rounded tile. Clue cells carry the
# down sums (3, 7) below their diagonal and the across sums (4, 6) above it.
cat > "$work/icon.mvg" <<'MVG'
viewbox 0 0 256 256
fill '#2a5586' roundrectangle 6,6 249,249 40,40
fill '#0f1a27' rectangle 30,30 225,225
fill '#233548' rectangle 34,34 93,93
fill '#233548' rectangle 98,34 157,93
fill '#233548' rectangle 162,34 221,93
fill '#233548' rectangle 34,98 93,157
fill '#233548' rectangle 34,162 93,221
stroke '#9fb3c8' stroke-width 3
line 98,34 157,93
line 162,34 221,93
line 34,98 93,157
line 34,162 93,221
stroke none
fill '#fdfaf2' rectangle 98,98 157,157
fill '#fdfaf2' rectangle 162,98 221,157
fill '#fdfaf2' rectangle 98,162 157,221
fill '#ffe38a' rectangle 162,162 221,221
font 'Liberation-Sans-Bold'
fill '#ffffff' font-size 24
text 104,87 '3'
text 168,87 '7'
text 72,122 '4'
text 72,186 '6'
fill '#1c3d63' font-size 46
text 115,144 '1'
text 179,144 '3'
text 115,208 '2'
MVG
convert -size 256x256 xc:none -draw "$(cat "$work/icon.mvg")" "$work/icon-256.png"

for size in 16 22 24 32 48 64 128 256; do
    dir="packaging/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    convert "$work/icon-256.png" -filter Lanczos -resize "${size}x${size}" -strip "PNG32:$dir/korvel.png"
done
# The .ico holds 48, 32 and 16 pixels, the 48-pixel image first: that is the one a plain load
# of the file gives.
convert packaging/icons/hicolor/48x48/apps/korvel.png packaging/icons/hicolor/32x32/apps/korvel.png \
        packaging/icons/hicolor/16x16/apps/korvel.png assets/48x48.ico

# The logo: the maker's mark, a tilted piece of a board (its clues add up: rows 4 8 3 and
# 1 2 5) above the maker's name.
cat > "$work/logo.mvg" <<'MVG'
viewbox 0 0 220 170
push graphic-context
  translate 110,68
  rotate -8
  fill '#0f1a27' rectangle -65,-48 62,48
  fill '#233548' rectangle -62,-45 -34,-17
  fill '#233548' rectangle -31,-45 -3,-17
  fill '#233548' rectangle 0,-45 28,-17
  fill '#233548' rectangle 31,-45 59,-17
  fill '#233548' rectangle -62,-14 -34,14
  fill '#233548' rectangle -62,17 -34,45
  fill '#fdfaf2' rectangle -31,-14 -3,14
  fill '#fdfaf2' rectangle 0,-14 28,14
  fill '#fdfaf2' rectangle 31,-14 59,14
  fill '#fdfaf2' rectangle -31,17 -3,45
  fill '#ffe38a' rectangle 0,17 28,45
  fill '#fdfaf2' rectangle 31,17 59,45
  stroke '#9fb3c8' stroke-width 1.5
  line -31,-45 -3,-17
  line 0,-45 28,-17
  line 31,-45 59,-17
  line -62,-14 -34,14
  line -62,17 -34,45
  stroke none
  font 'Liberation-Sans-Bold'
  fill '#ffffff' font-size 11
  text -28,-21 '5'
  text 3,-21 '10'
  text 34,-21 '8'
  text -48,-2 '15'
  text -44,29 '8'
  fill '#1c3d63' font-size 22
  text -23,8 '4'
  text 8,8 '8'
  text -23,39 '1'
pop graphic-context
font 'Liberation-Serif-Bold'
fill '#1c3d63' font-size 24
text 44,146 'NORVANE'
font 'Liberation-Sans'
fill '#4f6a86' font-size 12
text 78,163 'G A M E S'
MVG
convert -size 220x170 gradient:'#fffdf6'-'#f1e3c2' -draw "$(cat "$work/logo.mvg")" -strip -quality 92 \
        assets/HELP/Velks.jpg
echo "drawn: assets/48x48.ico, assets/HELP/Velks.jpg, packaging/icons/hicolor/*/apps/korvel.png"
