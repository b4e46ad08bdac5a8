#!/usr/bin/env bash
# Creates the project's private 64-bit Wine prefix (runs 32- and 64-bit code).
set -euo pipefail
source "$(dirname "$0")/env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  wine_run x86_64 wineboot -i >/dev/null 2>&1
fi
# The virtual display has no window manager: Wine would wait for one to
# acknowledge every hidden window. Unmanaged windows need no acknowledgement.
if ! grep -qs '"Managed"="N"' "$WINEPREFIX/user.reg"; then
  wine_run x86_64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
wineserver -w
