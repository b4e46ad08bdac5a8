#!/usr/bin/env bash
# The package as a Windows user meets it: unpacked into a fresh Wine prefix,
# used without registration through its assembly manifests, registered with
# its own scripts (machine-wide, then per-user), the VBScript example run by
# the 32-bit and the 64-bit script host, and unregistered again, leaving no
# key of the component behind.
set -uo pipefail
here=$(dirname "$0")
source "$here/../../scripts/env.sh"
zip=${1:-$(ls -t "$VESTREL_BUILD"/vestrel-*.zip 2>/dev/null | head -1)}
[ -f "$zip" ] || { echo "FAILED: no package (make dist)"; exit 1; }
work=$(mktemp -d "$VESTREL_BUILD/dist-test.XXXXXX")
export WINEPREFIX=$work/prefix
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work" "$check_out"' EXIT
source "$here/../support/checks.sh"
source "$here/../support/package_checks.sh"

# A folder with a space in its name, as "Program Files" has.
python3 -m zipfile -e "$zip" "$work/Mis programas" || { echo "FAILED: the package does not unpack"; exit 1; }
package=$(ls -d "$work/Mis programas"/vestrel-*)
fresh_prefix || { echo "FAILED: no fresh prefix"; exit 1; }

# script NAME: one of the package's scripts, as cmd runs it; what it said
# is left in $work/said.
script() {
  wine_run x86_64 cmd /c "$(winpath "$package/$1")" </dev/null | tr -d '\r' | tee "$work/said"
  return "${PIPESTATUS[0]}"
}
said() { grep -qxF "$1" "$work/said" || { cat "$work/said"; return 1; }; }
# crlf FILE...: every line ends in CR LF, as Windows' editors and tools expect.
crlf() {
  local f
  for f in "$@"; do
    ! grep -qv $'\r$' "$f" || { echo "$f has lines without CR LF"; return 1; }
  done
}

# side_by_side ARCH: every class of that architecture's DLL created through
# the manifest beside it alone, by ProgID and by CLSID, and a word checked.
side_by_side() {
  local folder=x64 rc
  [ "$1" = i686 ] && folder=x86
  wine_run "$1" "$VESTREL_BUILD/$1/bin/side_by_side.exe" "$(winpath "$package/$folder/Vestrel.Component.manifest")" \
    >"$work/side_by_side" 2>&1
  rc=$?
  tr -d '\r' <"$work/side_by_side" | grep -v ':fixme:' | tee /dev/stderr | grep -qxF 'Primera sugerencia: ortografía' &&
    [ "$rc" -eq 0 ]
}

progid='Software\Classes\Vestrel.Spelling\CLSID'
clsid='Software\Classes\CLSID\{D3C0ED2F-7565-4083-AF28-159246642082}'
clsid32='Software\Classes\Wow6432Node\CLSID\{D3C0ED2F-7565-4083-AF28-159246642082}'

check "nothing registered in the fresh prefix" fails key "HKLM\\$progid"
if runs_arch i686; then
  check "the 32-bit DLL used through its manifest, unregistered" side_by_side i686
else
  echo "not run (no 32-bit programs here): the 32-bit DLL used through its manifest"
fi
check "the 64-bit DLL used through its manifest, unregistered" side_by_side x86_64
check "  and still nothing registered" fails key "HKLM\\$progid"
check "the licences and the word frequencies' notice are in the package" licences "$package/licences"
check "the examples, scripts and read-me have Windows line ends" crlf "$package"/*.cmd "$package/README.txt" \
  "$package"/examples/*
check "the C++ example builds from the package with the guide's MinGW-w64 line" \
  bash -c 'cd "$1" && x86_64-w64-mingw32-g++ -municode -Iinclude examples/check_word.cpp -lole32 -loleaut32 -luuid -luser32 -o "$2"' \
  built "$package" "$work/check_word.exe"
# app_manifest: the C++ example (as the build links it, with its runtime)
# beside the 64-bit DLL's files and an application manifest naming the
# component checks a word with nothing registered.
app_manifest() {
  local app=$work/app version=${package##*/vestrel-}
  mkdir -p "$app" && cp "$VESTREL_BUILD/x86_64/bin/check_word.exe" "$package"/x64/* "$app/" &&
    python3 "$here/../../scripts/manifest.py" application "$version" amd64 "$app/check_word.exe.manifest" || return 1
  wine_run x86_64 "$app/check_word.exe" ortografia >"$work/check_word" 2>&1
  tr -d '\r' <"$work/check_word" | grep -v ':fixme:' | tee /dev/stderr | grep -qxF '  ortografía'
}
check "  and it runs unregistered, through an application manifest" app_manifest
# register SCRIPT [REGSVR32 FLAGS...]: the package's registration script.
# Each begins with the 32-bit regsvr32, which every 64-bit Windows has:
# where this machine runs no 32-bit programs, the 64-bit regsvr32 does the
# scripts' 64-bit half on the x64 DLL instead, and what they say is not read.
if runs_arch i686; then
  register() { script "$1"; }
  says() { check "  it says what it $1" said "$2"; }
else
  echo "not run (no 32-bit programs here): the registration scripts, which begin with the 32-bit regsvr32; the 64-bit regsvr32 registers the x64 DLL in their place"
  register() { shift; wine_run x86_64 regsvr32 /s "$@" "$(winpath "$package/x64/vestrel.dll")"; }
  says() { :; }
fi
check "register-machine.cmd" register register-machine.cmd
says registered 'Vestrel: registrado x64\vestrel.dll (programas de 64 bits), para todo el equipo.'
check "the 64-bit class is registered" key "HKLM\\$clsid"
check "the classes' keys are there to be found" fails clean HKLM
if runs_arch i686; then
  check "the 32-bit class is registered" key "HKLM\\$clsid32"
  check "the VBScript example under the 32-bit script host" example i686 "$package/examples/spelling_host.vbs"
fi
check "the VBScript example under the 64-bit script host" example x86_64 "$package/examples/spelling_host.vbs"
check "unregister-machine.cmd" register unregister-machine.cmd /u
says removed 'Vestrel: quitado del registro x64\vestrel.dll (programas de 64 bits), para todo el equipo.'
check "no machine-wide key left" clean HKLM
check "register-user.cmd" register register-user.cmd /n /i:user
says registered 'Vestrel: registrado x64\vestrel.dll (programas de 64 bits), para el usuario actual.'
check "the user's class is registered" key "HKCU\\$progid"
check "nothing machine-wide" fails key "HKLM\\$progid"
check "unregister-user.cmd" register unregister-user.cmd /u /n /i:user
check "no key of the user's left" clean HKCU
echo "dist: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
