#!/usr/bin/env bash
# typelib-doc.sh ARCH OUT: writes the type library reference of that
# architecture's built DLL to OUT (vestrel-typelib-doc under Wine).
set -euo pipefail
source "$(dirname "$0")/env.sh"
arch=$1
out=$2
bin=$VESTREL_BUILD/$arch/bin
: >"$out"
wine_run "$arch" "$bin/vestrel-typelib-doc.exe" "$(winpath "$bin/vestrel.dll")" "$(winpath "$out")"
