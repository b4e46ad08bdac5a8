#!/usr/bin/env bash
# The demo's stages, on the first architecture this machine runs (32-bit
# where it can): only the DLL and the example host are built, and the
# private prefix is made meanwhile.
set -uo pipefail
here=$(dirname "$0")
source "$here/env.sh"
source "$here/stage.sh"
arch=$(running_archs | head -1)
[ -n "$arch" ] || { echo "demo: Wine runs neither architecture here (is Wine installed? run scripts/setup.sh)" >&2; exit 1; }
stage --log prefix "prefix (alongside the build)" bash "$here/wineprefix.sh" &
prefix=$!
stage --log "build-$arch" "build $arch (the DLL and the example host)" bash "$here/build.sh" "$arch" vestrel check_word
built=$?
wait "$prefix"; made=$?
[ "$built" -eq 0 ] && [ "$made" -eq 0 ] || exit 1
stage "registration $arch" bash "$here/register.sh" "$arch" || exit 1
stage "demo $arch" bash "$here/with-display.sh" bash "$here/../examples/run-demo.sh" "$arch"
