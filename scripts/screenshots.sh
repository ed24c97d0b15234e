#!/usr/bin/env bash
# Makes the manual's screenshots (resources/doc/*.png) from the program itself, on a private
# X server, so they can be made again whenever the windows change.
# Usage: scripts/screenshots.sh [BUILD_DIR]     Needs xvfb, xdotool and imagemagick.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$src/build}" && pwd)
out=$src/resources/doc
work=$(mktemp -d)
export DISPLAY=${AUVO_SCREENSHOT_DISPLAY:-:7}

Xvfb "$DISPLAY" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
auvo=
cleanup() {
  [ -n "$auvo" ] && kill "$auvo" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A program folder of its own, silent, with settings that show the whole page.
mkdir -p "$work/prog"
cp "$build/auvo" "$work/prog/"
export AUVO_AUDIO_OUTPUT=null XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
export QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8

# Starts the program with these settings and a sample measurement (the one with 8 frequencies
# unless named); waits for its window.
start() {
  printf '[AUVO]\nNORMALNULL=%s\nVIEW_HTD=1\nVIEW_TTD=1\nVIEW_LOGDARST=1\n' "$1" >"$work/prog/AUVO.ini"
  "$work/prog/auvo" "${2:-$src/examples/messung-8-frequenzen.auvo}" >/dev/null 2>&1 &
  auvo=$!
  main=$(xdotool search --sync --onlyvisible --name ' - AUVO$' | head -1)
  xdotool windowsize --sync "$main" 980 860
  xdotool windowmove --sync "$main" 0 0
  sleep 1
}
stop() {
  kill "$auvo" 2>/dev/null || true
  wait "$auvo" 2>/dev/null || true
  auvo=
}
# Window by exact title, or nothing after a few seconds. xdotool may see a title in Latin-1,
# so each letter beyond ASCII matches anything.
find_window() {
  pattern=$(printf '%s' "$1" | LC_ALL=C sed 's/[^ -~]\+/.+/g')
  for _ in $(seq 40); do
    id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
}
# The private X server has no window manager, so each picture gets a title bar drawn here:
# the reader sees which window it is. Small palette PNGs keep the manual light.
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
shot() {
  sleep 0.5
  import -window "$1" "$work/shot.png"
  width=$(identify -format %w "$work/shot.png")
  convert \( -size "${width}x26" xc:'#d8dde6' -font "$font" -pointsize 13 -fill '#202020' \
            -gravity west -annotate +10+0 "$3" \) "$work/shot.png" -append \
    -strip -define png:exclude-chunk=date,time -colors 128 "PNG8:$out/$2"
  echo "$2"
}
# Opens a dialog through its menu (Alt+menu key, then the entry's key) and takes its picture.
dialog() {
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers "alt+$1"
  sleep 0.3
  xdotool key "$2"
  id=$(find_window "$3")
  if [ -z "$id" ]; then
    echo "no window \"$3\": $4 left as it was" >&2
    # A greyed entry leaves its menu open.
    xdotool key Escape Escape
    sleep 0.3
    return
  fi
  shot "$id" "$4" "$3"
  xdotool key Escape
  sleep 0.3
}

# Never calibrated, as the sample's tinnitus levels are stored: the short guide opens beside
# the main window; it is moved clear of it.
start -10000
# the main window and it is made tall enough to show its whole text.
guide=$(find_window Kurzanleitung)
if [ -n "$guide" ]; then
  xdotool windowmove --sync "$guide" 990 0
  xdotool windowsize --sync "$guide" 520 440
  shot "$guide" kurzanleitung.png Kurzanleitung
fi
title=$(xdotool getwindowname "$main")
shot "$main" hauptfenster.png "$title"
dialog b m "Kommentar zur Messung" kommentar.png
dialog d i Eichen eichen.png
dialog h h Hörtest-Durchführung hoertest.png
dialog h d Hörtest-Daten hoertest-daten.png
# The single measurement of a left-ear value, opened from the data dialog.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key d
if [ -n "$(find_window Hörtest-Daten)" ]; then
  xdotool key Down
  sleep 0.3
  xdotool key alt+e
  id=$(find_window Einzelmessung)
  [ -n "$id" ] && shot "$id" einzelmessung.png Einzelmessung
  xdotool key Escape
  sleep 0.3
  xdotool key Escape
  sleep 0.3
fi
# Select the left ear's tinnitus tone by a click on its circle: the pure blue below the
# audiograms is that tone; its stem's foot gives the exact frequency, its top the circle.
tone=$(import -window "$main" txt:- |
  awk -F'[,: ]+' -v h=430 '/ blue$/ && $2 > h {if (top == "") top = $2; x = $1} END {if (top != "") print x, top + 6}')
if [ -n "$tone" ]; then
  # The window lies at 0,0, so its points are screen points.
  xdotool mousemove --sync $tone
  sleep 0.3
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  dialog t e "Tinnitus-Ton Eigenschaften" tinnitus-eigenschaften.png
fi
# The comparison: an earlier measurement opened as comparison file, with the normal curve
# (the last entry of the menu "Ansicht").
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+b
sleep 0.3
xdotool key v
if [ -n "$(find_window "Vergleichsdatei öffnen")" ]; then
  xdotool type --delay 20 "$src/examples/messung-version-100.auvo"
  xdotool key Return
  sleep 1
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+a
  sleep 0.3
  xdotool key Up Return
  # No tone selected: a click on the empty space beside the diagrams.
  xdotool mousemove --sync 700 560 click 1
  shot "$main" vergleich.png "$title"
else
  echo "no file dialog: vergleich.png left as it was" >&2
fi
# The trend of four measurements over two years, the right ear getting worse at 4 and 6 kHz.
mkdir -p "$work/verlauf"
python3 - "$work/verlauf" <<'PY'
import struct, sys
freqs = [250, 500, 1000, 2000, 4000, 6000, 8000, 10000]
left = [-800, -300, 0, 100, 500, -200, -1100, -1300]
right = [-900, -300, -100, 200, 300, -300, -1200, -1400]
worse = {4000: [0, -600, -1500, -2100], 6000: [0, -400, -1200, -1600], 8000: [0, 0, -300, -700]}
def text(t):
    b = t.encode("cp1252")
    return bytes([len(b)]) + b
for n, date in enumerate(["03.02.2025", "14.08.2025", "20.01.2026", "02.09.2026"]):
    out = struct.pack("<i", 200) + text("AUVO V2.10 ZEB GmbH Varnholm") + text(date) + text("")
    out += struct.pack("<iii", 100, 8, 0)
    for i, f in enumerate(freqs):
        out += struct.pack("<iii", f, left[i] - 100 * (n % 2), right[i] + worse.get(f, [0] * 4)[n])
    out += struct.pack("<iii", 100, 0, 0)
    open(f"{sys.argv[1]}/messung-{n + 1}.auvo", "wb").write(out)
PY
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key v
if [ -n "$(find_window "Messungen für den Verlauf wählen")" ]; then
  # The file dialog: first the folder, then the four files at once.
  xdotool type --delay 20 "$work/verlauf/"
  xdotool key Return
  sleep 0.5
  xdotool type --delay 20 '"messung-1.auvo" "messung-2.auvo" "messung-3.auvo" "messung-4.auvo"'
  xdotool key Return
  id=$(find_window Verlauf)
  if [ -n "$id" ]; then
    xdotool windowsize --sync "$id" 820 1000
    xdotool windowmove --sync "$id" 0 0
    shot "$id" verlauf.png Verlauf
    xdotool key --window "$id" alt+c
  else
    echo "no window \"Verlauf\": verlauf.png left as it was" >&2
  fi
fi
stop
# A hiss as a noise band on the right ear, beside a whistle on the left.
start -10000 "$src/examples/messung-rauschband.auvo"
shot "$main" rauschband.png "$(xdotool getwindowname "$main")"
stop
du -ch "$out"/*.png | tail -1
