#!/usr/bin/env bash
# density.sh ARCH: both windows drawn at 96, 120, 144 and 192 dpi, and at
# 96 dpi told of a move to a 144-dpi monitor, each held to the 96-dpi
# windows enlarged (density_compare.py). Wine reads the screen's density
# (LogPixels) when the prefix's processes start, so the test has a prefix
# of its own and starts them anew for each density. What the windows showed
# stays in build/density-ARCH (PNG) to be looked at.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/env.sh"
arch=$1
bin=$VESTREL_BUILD/$arch/bin
out=$VESTREL_BUILD/density-$arch
work=$(mktemp -d "$VESTREL_BUILD/density-test.XXXXXX")
export WINEPREFIX=$work/prefix
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
source "$here/../support/checks.sh"
source "$here/../support/package_checks.sh"
fresh_prefix >/dev/null 2>&1 || { echo "FAILED: no fresh prefix"; exit 1; }
rm -rf "$out"; mkdir -p "$out"

# render NAME DPI [TOLD]: the windows at DPI, told of TOLD when given.
render() {
  wineserver -k >/dev/null 2>&1; wineserver -w
  wine_run x86_64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1 &&
    wine_run "$arch" "$bin/density_render.exe" "$(winpath "$out")" "$1" ${3:-} || return 1
  local window
  for window in checker about; do convert "$out/$1-$window.bmp" "$out/$1-$window.png" || return 1; done
}
for dpi in 96 120 144 192; do
  render "$dpi" "$dpi" || { echo "FAILED: the windows at $dpi dpi were not drawn"; exit 1; }
done
render 96to144 96 144 || { echo "FAILED: the windows told of 144 dpi were not drawn"; exit 1; }
python3 "$here/density_compare.py" "$out" 120 144 192 96to144
