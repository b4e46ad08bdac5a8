#!/usr/bin/env bash
# Runs a command with an X display for Wine: the caller's when it answers,
# otherwise a virtual one (Xvfb, 96 dpi). VESTREL_DISPLAY_NUMBER=N asks for
# a virtual display of the command's own, the first free number from N:
# two commands given numbers far apart never race for the same one. Wine's
# processes of the prefix end with the command, while the display is still
# there, so none stays bound to a display that is gone nor complains of
# losing it.
set -uo pipefail
source "$(dirname "$0")/env.sh"
# Wine's desktop process binds to the display of the program that started it.
wineserver -k >/dev/null 2>&1 || true
if [ -z "${VESTREL_DISPLAY_NUMBER:-}" ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  "$@"; status=$?
  wineserver -k >/dev/null 2>&1 || true
else
  xvfb-run -a -n "${VESTREL_DISPLAY_NUMBER:-99}" -s "-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
    bash -c '"$@"; status=$?; wineserver -k >/dev/null 2>&1; exit $status' with-display "$@"; status=$?
fi
exit $status
