#!/usr/bin/env bash
# screenshots.sh: the guide's pictures of the real windows (docs/images),
# taken on a virtual display from hosts driving the 32-bit DLL with the
# built-in engine. Run under scripts/with-display.sh after registering.
set -euo pipefail
source "$(dirname "$0")/env.sh"
out=$VESTREL_ROOT/docs/images
mkdir -p "$out"
bin=$VESTREL_BUILD/i686/bin
export VESTREL_ENGINE=builtin
work=$(mktemp -d)
# density DPI: the screen's density for the prefix's next processes (Wine
# reads it when they start).
density() {
  wineserver -k >/dev/null 2>&1 || true
  wine_run x86_64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
trap 'density 96; rm -rf "$work"' EXIT

# shoot FILE TITLE: the top-level window of that title, cut from the screen;
# the desktop showing through the window's cut outline becomes transparent.
shoot() {
  local geometry="" i
  for i in $(seq 40); do
    geometry=$(xwininfo -root -tree | sed -n "s/^ *0x[0-9a-f]* \"$2\": .* \([0-9]*x[0-9]*+[0-9]*+[0-9]*\) .*/\1/p" | head -1)
    [ -n "$geometry" ] && break
    sleep 0.5
  done
  [ -n "$geometry" ] || { echo "screenshots: no window \"$2\"" >&2; return 1; }
  sleep 3
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$geometry" +repage -bordercolor black -border 1 \
    -fill none -draw 'color 0,0 floodfill' -shave 1x1 "$out/$1"
  echo "$out/$1"
}

# The window as it comes, after a check; a message box keeps the script's
# host pumping messages while the picture is taken.
cat >"$work/plain.vbs" <<'VBS'
Set s = CreateObject("Vestrel.Spelling")
s.Show
s.SendToForm.Text = "ortografia"
s.Spelling
MsgBox "Vestrel"
VBS
wine_run i686 cscript //nologo "$(winpath "$work/plain.vbs")" &
shoot checker.png Vestrel
wineserver -k; wait || true

# Restyled by the C++ example through three appearance objects, and the
# about window each check shows (the example pumps its own messages, so
# no message box covers it).
wine_run i686 "$bin/check_word.exe" ortografia 20 >/dev/null &
shoot restyled.png Vestrel
shoot about.png " Acerca del Vestrel"
wineserver -k; wait || true

# The same window on a screen of 150 % (144 dpi), as office laptops have,
# alone: the test's renderer hides the about window, which would cover it.
density 144
wine_run i686 "$bin/density_render.exe" "$(winpath "$work")" dense >/dev/null
convert "$work/dense-checker.bmp" -bordercolor black -border 1 -fill none -draw 'color 0,0 floodfill' -shave 1x1 \
  "$out/checker-150.png"
echo "$out/checker-150.png"
