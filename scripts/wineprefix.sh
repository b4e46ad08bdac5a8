#!/usr/bin/env bash
# Creates the project's private 64-bit Wine prefix (runs 32- and 64-bit code).
set -euo pipefail
source "$(dirname "$0")/env.sh"
[ -f "$WINEPREFIX/system.reg" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wineserver -w
