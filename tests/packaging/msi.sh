#!/usr/bin/env bash
# The Windows Installer packages as an administrator's tools use them, each
# in a fresh Wine prefix: a silent install, whose registry must be what the
# installed DLLs' own DllRegisterServer writes, key by key; every class
# created and the VBScript example run from the script hosts; a newer
# package over it, leaving one product; a silent removal, leaving no file
# and no key of the component, and what other products wrote untouched.
#
# Where this machine runs no 32-bit programs, the 32-bit view is read by the
# 64-bit tool and held against the 32-bit registration as make dist takes it
# there (from the 64-bit DLL's), and the checks that run a 32-bit program
# are said to be left out.
#
# The per-user package the same way, its files in the user's Programs folder
# and its classes under HKCU. Wine runs every program with the rights of an
# administrator, so the test cannot show an install by a user who has none;
# it shows that the package writes nothing machine-wide.
#
# usage: msi.sh [X86.msi X64.msi USER.msi] (default: the ones make dist wrote)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/env.sh"
version=$(sed -n 's/^project(Vestrel VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
x86=${1:-$VESTREL_BUILD/vestrel-$version-x86.msi}
x64=${2:-$VESTREL_BUILD/vestrel-$version-x64.msi}
user=${3:-$VESTREL_BUILD/vestrel-$version-user.msi}
for package in "$x86" "$x64" "$user"; do
  [ -f "$package" ] || { echo "FAILED: no package $package (make dist)"; exit 1; }
done
work=$(mktemp -d "$VESTREL_BUILD/msi-test.XXXXXX")
export WINEPREFIX=$work/prefix
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work" "$check_out"' EXIT
source "$here/../support/checks.sh"
source "$here/../support/package_checks.sh"

# The same packages one version newer, from the same files: the upgrade.
newer=${version%.*}.$((${version##*.} + 1))
for kind in x86 x64 user; do
  python3 "$here/../../scripts/msi.py" "$kind" "$newer" "$VESTREL_BUILD/dist/vestrel-$version" \
    "$VESTREL_BUILD/dist/registry" "$here/../../resources/vestrel.ico" "$work/vestrel-$newer-$kind.msi" ||
    { echo "FAILED: no newer packages"; exit 1; }
done

programs='C:\Program Files\Vestrel'
programs32='C:\Program Files (x86)\Vestrel'
unix() { echo "$WINEPREFIX/drive_c/${1#C:\\}" | tr '\\' '/'; }

seconds=()
msiexec() {  # msiexec /i|/x PACKAGE: silently, timed
  local start=$(date +%s.%N)
  wine_run x86_64 msiexec "$1" "$(winpath "$2")" /qn /norestart /l*v "$(winpath "$work/msiexec.log")" || return 1
  wineserver -w
  seconds+=("$(basename "$2") $1 $(awk "BEGIN { printf \"%.1f\", $(date +%s.%N) - $start }") s")
}

# products: each installed product of the component's, "name version publisher".
products() {
  local view reg=$work/uninstall.reg
  for view in 'Software' 'Software\Wow6432Node'; do
    wine_run x86_64 reg export "HKLM\\$view\\Microsoft\\Windows\\CurrentVersion\\Uninstall" "$(winpath "$reg")" /y \
      >/dev/null 2>&1 || continue
    iconv -f UTF-16LE -t UTF-8 "$reg" | tr -d '\r' | awk -F'"' '
      /^\[/ { if (name ~ /^Vestrel/) print name " " version " " publisher; name = version = publisher = "" }
      $2 == "DisplayName" { name = $4 } $2 == "DisplayVersion" { version = $4 } $2 == "Publisher" { publisher = $4 }
      END { if (name ~ /^Vestrel/) print name " " version " " publisher }'
  done
}
one_product() { local found; found=$(products); echo "$found"; [ "$found" = "$1" ]; }
# detected KIND VERSION: the example an administrator's detection rule runs
# finds the product by its upgrade code (KIND none: finds none).
detected() {
  local out
  out=$(wine_run x86_64 cscript //nologo "$(winpath "$here/../../examples/installed_version.vbs")" | tr -d '\r')
  echo "$out"
  if [ "$1" = none ]; then [ "$out" = "Vestrel no se ha instalado con sus paquetes de Windows Installer." ]
  else [ "$(echo "$out" | sed 's/, producto .*//')" = "Vestrel $2 ($1)" ]; fi
}

# capture ARCH DLL OUT: what that DLL's DllRegisterServer writes.
capture() { wine_run "$1" "$VESTREL_BUILD/$1/bin/vestrel-registry.exe" capture "$(winpath "$2")" "$(winpath "$3")"; }
# x86_from_x64 OUT: the 32-bit registration as make dist takes it where no
# 32-bit program runs.
x86_from_x64() {
  capture x86_64 "$VESTREL_BUILD/x86_64/bin/vestrel.dll" "$work/x64-built.capture" &&
    python3 "$here/../../scripts/msi.py" x86-from-x64 "$work/x64-built.capture" "$1"
}
derived_is_own() {
  capture i686 "$VESTREL_BUILD/i686/bin/vestrel.dll" "$work/x86-own.capture" && x86_from_x64 "$work/x86-derived.capture" &&
    diff "$work/x86-own.capture" "$work/x86-derived.capture"
}

# registered ARCH:FOLDER...: the installed registry of each DLL's view is
# what that DLL's own DllRegisterServer writes (the machine's classes, or
# the user's with reading=(user)).
reading=() comparing=()
registered() {
  local pair arch folder tool triples=()
  for pair in "$@"; do
    arch=${pair%%:*}; folder=${pair#*:}
    tool=$VESTREL_BUILD/$arch/bin/vestrel-registry.exe
    if runs_arch "$arch"; then
      wine_run "$arch" "$tool" capture "$folder\\vestrel.dll" "$(winpath "$work/$arch.capture")" &&
        wine_run "$arch" "$tool" read "$(winpath "$work/$arch.capture")" "$(winpath "$work/$arch.read")" "${reading[@]}" ||
        return 1
    else
      tool=$VESTREL_BUILD/x86_64/bin/vestrel-registry.exe
      x86_from_x64 "$work/$arch.capture" &&
        wine_run x86_64 "$tool" read "$(winpath "$work/$arch.capture")" "$(winpath "$work/$arch.read")" 32 "${reading[@]}" ||
        return 1
    fi
    triples+=("$work/$arch.capture" "$work/$arch.read" "$folder\\vestrel.dll")
  done
  python3 "$here/registry_compare.py" "${comparing[@]}" "${triples[@]}"
}
# check32 DESCRIPTION COMMAND...: a check that runs a 32-bit program, where they run.
skipped=0
check32() {
  if runs_arch i686; then check "$@"; else skipped=$((skipped + 1)); echo "not run (no 32-bit programs here): $1"; fi
}

create_all=$(winpath "$(host_vbs "$here/../hosts/create_all.vbs" "$work")")
classes() { every_class "$1" "$create_all" "$2"; }  # classes ARCH ok|absent
installed() { [ -f "$(unix "$1")/vestrel.dll" ] && [ -f "$(unix "$1")/es_ES.vlx" ]; }
gone() { [ ! -e "$(unix "$1")" ]; }

# What other products wrote, beside the component's places.
other() {
  wine_run x86_64 reg add 'HKLM\Software\Classes\CLSID\{0D1B3F5A-1111-4C2D-9E8F-0A1B2C3D4E5F}\InprocServer32' /ve \
    /d 'C:\Program Files\Otro\otro.dll' /f >/dev/null 2>&1 &&
    wine_run x86_64 reg add 'HKLM\Software\Classes\Otro.Clase' /ve /d Otro /f >/dev/null 2>&1 &&
    mkdir -p "$(unix 'C:\Program Files\Otro')" && echo otro > "$(unix 'C:\Program Files\Otro')/otro.txt"
}
other_kept() {
  key 'HKLM\Software\Classes\CLSID\{0D1B3F5A-1111-4C2D-9E8F-0A1B2C3D4E5F}\InprocServer32' &&
    key 'HKLM\Software\Classes\Otro.Clase' && [ -f "$(unix 'C:\Program Files\Otro')/otro.txt" ]
}

echo "== the 32-bit package"
fresh_prefix || { echo "FAILED: no fresh prefix"; exit 1; }
check32 "the 32-bit DLL registers what the 64-bit one does, its type library as win32" derived_is_own
check "another product's key and file" other
check "installs silently" msiexec /i "$x86"
check "its files are in Program Files (x86)" installed "$programs32"
check "the licences and the word frequencies' notice are installed" licences "$(unix "$programs32")/licences"
check "its registry is what the DLL registers" registered "i686:$programs32"
check "Programs and Features lists it once" one_product "Vestrel $version (32 bits) $version Vestrel"
check "its upgrade code finds it" detected x86 "$version"
check32 "every class from the 32-bit script host" classes i686 ok
check32 "the VBScript example under the 32-bit script host" example i686 "$(unix "$programs32")/examples/spelling_host.vbs"
check "a newer package installs over it" msiexec /i "$work/vestrel-$newer-x86.msi"
check "one product left, the newer" one_product "Vestrel $newer (32 bits) $newer Vestrel"
check "its upgrade code finds the newer" detected x86 "$newer"
check "the registry after the upgrade" registered "i686:$programs32"
check32 "every class after the upgrade" classes i686 ok
check "the older package does not go over the newer" fails msiexec /i "$x86"
check "still the newer alone" one_product "Vestrel $newer (32 bits) $newer Vestrel"
check "removes silently" msiexec /x "$work/vestrel-$newer-x86.msi"
check "no product left" one_product ""
check "its upgrade code finds nothing" detected none
check "no file left" gone "$programs32"
check "no key left" clean HKLM
check32 "no class creatable" classes i686 absent
check "the other product's key and file are still there" other_kept
wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"

echo "== the 64-bit package"
fresh_prefix || { echo "FAILED: no fresh prefix"; exit 1; }
check "another product's key and file" other
check "the 32-bit package first" msiexec /i "$x86"
check "installs silently over it" msiexec /i "$x64"
check "it replaced the 32-bit package" one_product "Vestrel $version (64 bits) $version Vestrel"
check "its upgrade code finds it, and not the 32-bit one's" detected x64 "$version"
check "the 64-bit DLL is in Program Files" installed "$programs"
check "the 32-bit DLL is in Program Files (x86)" installed "$programs32"
check "the licences and the word frequencies' notice are installed" licences "$(unix "$programs")/licences"
check "its registry is what both DLLs register" registered "i686:$programs32" "x86_64:$programs"
check32 "every class from the 32-bit script host" classes i686 ok
check "every class from the 64-bit script host" classes x86_64 ok
check32 "the VBScript example under the 32-bit script host" example i686 "$(unix "$programs")/examples/spelling_host.vbs"
check "the VBScript example under the 64-bit script host" example x86_64 "$(unix "$programs")/examples/spelling_host.vbs"
check "a newer package installs over it" msiexec /i "$work/vestrel-$newer-x64.msi"
check "one product left, the newer" one_product "Vestrel $newer (64 bits) $newer Vestrel"
check "the registry after the upgrade" registered "i686:$programs32" "x86_64:$programs"
check "removes silently" msiexec /x "$work/vestrel-$newer-x64.msi"
check "no product left" one_product ""
check "no file left" eval 'gone "$programs" && gone "$programs32"'
check "no key left" clean HKLM
check32 "no class creatable from the 32-bit host" classes i686 absent
check "no class creatable from the 64-bit host" classes x86_64 absent
check "the other product's key and file are still there" other_kept

wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"

echo "== the per-user package"
fresh_prefix || { echo "FAILED: no fresh prefix"; exit 1; }
mine=$(wine_run x86_64 cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')'\Programs\Vestrel'
reading=(user)
# one_user_view: a 32-bit program's entry in the user's classes is seen by
# a 64-bit one. Windows keeps the two apart; Wine keeps one, so there the
# class's server is whichever DLL the package registered last.
one_user_view() {
  local probe='HKCU\Software\Classes\CLSID\{5A0B1C2D-3E4F-4A5B-8C6D-7E8F9A0B1C2D}' shared
  wine_run x86_64 reg add "$probe" /ve /d probe /f /reg:32 >/dev/null 2>&1
  wine_run x86_64 reg query "$probe" /reg:64 >/dev/null 2>&1; shared=$?
  wine_run x86_64 reg delete "$probe" /f /reg:32 >/dev/null 2>&1
  return $shared
}
if one_user_view; then
  comparing=(--one-view)
  echo "not shown (Wine keeps one view of the user's classes for 32- and 64-bit programs): each DLL's own server path"
fi
# no_elevation PACKAGE: the package's summary says it needs no administrator
# rights (word count bit 8), so Windows installs it without asking for them.
no_elevation() {
  printf '%s\r\n' 'Set s = CreateObject("WindowsInstaller.Installer").SummaryInformation(WScript.Arguments(0), 0)' \
    'WScript.Echo "word count " & s.Property(15)' >"$work/summary.vbs"
  local words
  words=$(wine_run x86_64 cscript //nologo "$(winpath "$work/summary.vbs")" "$(winpath "$1")" | tr -d '\r' |
    sed -n 's/^word count //p')
  echo "word count: $words"
  [ -n "$words" ] && [ $((words & 8)) -ne 0 ]
}
check "its summary asks for no administrator rights" no_elevation "$user"
check "  and a machine package's does" fails no_elevation "$x64"
check "another product's key and file" other
check "installs silently" msiexec /i "$user"
check "the 64-bit DLL is in the user's Programs folder" installed "$mine\x64"
check "the 32-bit DLL beside it" installed "$mine\x86"
check "the licences and the word frequencies' notice are installed" licences "$(unix "$mine")/licences"
check "its registry is what both DLLs register, in the user's classes" registered "i686:$mine\x86" "x86_64:$mine\x64"
check "nothing machine-wide" clean HKLM
check "its upgrade code finds it" detected usuario "$version"
# Wine keeps HKCU\Software\Classes out of HKEY_CLASSES_ROOT, so no program
# under it finds classes registered for the user alone.
echo "not run (Wine does not merge the user's classes into HKEY_CLASSES_ROOT): classes created from the script hosts"
check "a newer package installs over it" msiexec /i "$work/vestrel-$newer-user.msi"
check "its upgrade code finds the newer alone" detected usuario "$newer"
check "the registry after the upgrade" registered "i686:$mine\x86" "x86_64:$mine\x64"
check "removes silently" msiexec /x "$work/vestrel-$newer-user.msi"
check "its upgrade code finds nothing" detected none
check "no file left" gone "$mine"
check "no key of the user's left" clean HKCU
check "the other product's key and file are still there" other_kept

printf 'msi: %s\n' "${seconds[@]}"
ls -l "$x86" "$x64" "$user" | awk '{ print "msi: " $NF " " $5 " bytes" }'
echo "msi: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
