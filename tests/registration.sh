#!/usr/bin/env bash
# Registration round trip in the private prefix for one architecture:
# machine-wide through regsvr32 and per-user through regsvr32 /n /i:user.
set -uo pipefail
source "$(dirname "$0")/../scripts/env.sh"
arch=$1
wine=$(wine_for "$arch")
dll=$VESTREL_BUILD/$arch/bin/vestrel.dll
script=$(winpath "$(dirname "$0")/host/create_all.vbs")
passed=0; failed=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}" >/tmp/vestrel-reg.$$ 2>&1; then passed=$((passed+1)); else
    failed=$((failed+1)); echo "FAILED: $1"; cat /tmp/vestrel-reg.$$; fi
}
fails() { ! "$@"; }
regsvr() { "$wine" regsvr32 /s "$@" "$(winpath "$dll")"; }
# Wine's cscript exits 0 even when the script does not parse: the verdict is
# the script's own closing line.
host() { "$wine" cscript //nologo "$script" "$1" | tee /dev/stderr | grep -qE '^create_all: [0-9]+ passed, 0 failed'; }
key() { "$wine" reg query "$1" >/dev/null 2>&1; }
libkey='Software\Classes\TypeLib\{7436C0BF-413D-4E86-860C-9299F3C8EF6F}'

# The other architecture's registration shares the ProgIDs: it goes first,
# so this run starts from a prefix where nothing is registered.
other=$([ "$arch" = x86_64 ] && echo i686 || echo x86_64)
[ -f "$VESTREL_BUILD/$other/bin/vestrel.dll" ] &&
  "$(wine_for "$other")" regsvr32 /s /u "$(winpath "$VESTREL_BUILD/$other/bin/vestrel.dll")" >/dev/null 2>&1

check "unregistering a never-registered DLL is harmless" regsvr /u
check "machine registration" regsvr
check "registering twice is harmless" regsvr
check "every ProgID creatable" host ok
check "type library registered" key "HKLM\\$libkey"
check "machine unregistration" regsvr /u
check "creation fails after unregistration" host absent
check "no class keys left" fails key 'HKLM\Software\Classes\Vestrel.Spelling'
check "second unregistration harmless" regsvr /u

# Per-user: the keys go to HKCU only. (Wine's HKEY_CLASSES_ROOT does not merge
# the user's classes as Windows does, so the user keys are checked directly.)
check "per-user registration" regsvr /n /i:user
check "per-user class key" key 'HKCU\Software\Classes\Vestrel.Spelling\CLSID'
check "per-user versioned ProgID" key 'HKCU\Software\Classes\Vestrel.txtTWord.1\CLSID'
check "per-user type library" key "HKCU\\$libkey\\1.0"
check "per-user interface key" key 'HKCU\Software\Classes\Interface\{E8A9EE37-D4CD-4999-B8E1-643C01E1241B}\TypeLib'
check "nothing machine-wide" fails key 'HKLM\Software\Classes\Vestrel.Spelling'
check "unknown install option refused" fails regsvr /n /i:everybody
check "per-user unregistration" regsvr /u /n /i:user
check "per-user keys removed" fails key 'HKCU\Software\Classes\Vestrel.Spelling'
check "per-user type library removed" fails key "HKCU\\$libkey"
rm -f /tmp/vestrel-reg.$$
echo "registration ($arch): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
