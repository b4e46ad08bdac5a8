#!/usr/bin/env bash
# The package as a Windows user meets it: unpacked into a fresh Wine prefix,
# registered with its own scripts (machine-wide, then per-user), the
# VBScript example run by the 32-bit and the 64-bit script host, and
# unregistered again, leaving no key of the component behind.
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/env.sh"
zip=${1:-$(ls -t "$VESTREL_BUILD"/vestrel-*.zip 2>/dev/null | head -1)}
[ -f "$zip" ] || { echo "FAILED: no package (make dist)"; exit 1; }
work=$(mktemp -d "$VESTREL_BUILD/dist-test.XXXXXX")
export WINEPREFIX=$work/prefix
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work" "$check_out"' EXIT
source "$here/checks.sh"

# A folder with a space in its name, as "Program Files" has.
python3 -m zipfile -e "$zip" "$work/Mis programas" || { echo "FAILED: the package does not unpack"; exit 1; }
package=$(ls -d "$work/Mis programas"/vestrel-*)
# Making a prefix now and then fails on a busy machine; once more, from nothing.
fresh_prefix() { VESTREL_WINEPREFIX=$WINEPREFIX bash "$here/../scripts/wineprefix.sh"; }
fresh_prefix || { echo "the fresh prefix failed; making it again" >&2; wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; sleep 2; fresh_prefix; } ||
  { echo "FAILED: no fresh prefix"; exit 1; }

script() { "$WINE64" cmd /c "$(winpath "$package/$1")"; }
# The example's own closing lines say what it did (cscript writes in the
# console's OEM code page).
example() {  # example ARCH
  wine_run "$1" cscript //nologo "$(winpath "$package/examples/spelling_host.vbs")" ortografia |
    iconv -f CP850 -t UTF-8 | tr -d '\r' | tee /dev/stderr | grep -qxF "Primera sugerencia: ortografía"
}
key() { "$WINE64" reg query "$1" >/dev/null 2>&1; }
progid='Software\Classes\Vestrel.Spelling\CLSID'
clsid='Software\Classes\CLSID\{D3C0ED2F-7565-4083-AF28-159246642082}'
clsid32='Software\Classes\Wow6432Node\CLSID\{D3C0ED2F-7565-4083-AF28-159246642082}'
# No identifier of the component's type library left under a root's classes.
clean() {  # clean ROOT
  local own
  own=$(own_ids)
  "$WINE64" reg export "$1\\Software\\Classes" "$(winpath "$work/classes.reg")" /y >/dev/null 2>&1 || return 1
  local left
  left=$(iconv -f UTF-16LE -t UTF-8 "$work/classes.reg" | grep -iE "($own)|\\\\Vestrel\\.")
  [ -z "$left" ] || { echo "$left" | head -5; return 1; }
}

check "nothing registered in the fresh prefix" fails key "HKLM\\$progid"
check "register-machine.cmd" script register-machine.cmd
check "the 64-bit class is registered" key "HKLM\\$clsid"
check "the classes' keys are there to be found" fails clean HKLM
if runs_arch i686; then
  check "the 32-bit class is registered" key "HKLM\\$clsid32"
  check "the VBScript example under the 32-bit script host" example i686
fi
check "the VBScript example under the 64-bit script host" example x86_64
check "unregister-machine.cmd" script unregister-machine.cmd
check "no machine-wide key left" clean HKLM
check "register-user.cmd" script register-user.cmd
check "the user's class is registered" key "HKCU\\$progid"
check "nothing machine-wide" fails key "HKLM\\$progid"
check "unregister-user.cmd" script unregister-user.cmd
check "no key of the user's left" clean HKCU
echo "dist: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
