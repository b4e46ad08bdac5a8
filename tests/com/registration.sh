#!/usr/bin/env bash
# Registration round trip in the private prefix for one architecture:
# machine-wide through regsvr32 and per-user through regsvr32 /n /i:user.
set -uo pipefail
source "$(dirname "$0")/../../scripts/env.sh"
arch=$1
dll=$VESTREL_BUILD/$arch/bin/vestrel.dll
source "$(dirname "$0")/../support/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
script=$(winpath "$(host_vbs "$(dirname "$0")/../hosts/create_all.vbs" "$work")")
regsvr() { wine_run "$arch" regsvr32 /s "$@" "$(winpath "$dll")"; }
host() { every_class "$arch" "$script" "$1"; }
key() { wine_run "$arch" reg query "$1" >/dev/null 2>&1; }
libkey='Software\Classes\TypeLib\{7436C0BF-413D-4E86-860C-9299F3C8EF6F}'

# The other architecture's registration shares the ProgIDs: it goes first,
# so this run starts from a prefix where nothing is registered.
other=$([ "$arch" = x86_64 ] && echo i686 || echo x86_64)
[ -f "$VESTREL_BUILD/$other/bin/vestrel.dll" ] &&
  wine_run "$other" regsvr32 /s /u "$(winpath "$VESTREL_BUILD/$other/bin/vestrel.dll")" >/dev/null 2>&1

# The registry's classes as lines "[key] value", sorted, so two snapshots
# compare line by line; a changed value shows as a line of its key.
tmp=$(mktemp -d)
snapshot() {  # snapshot NAME ROOT
  wine_run "$arch" reg export "$2\\Software\\Classes" "$(winpath "$tmp/$1.reg")" /y >/dev/null 2>&1 || return 1
  iconv -f UTF-16LE -t UTF-8 "$tmp/$1.reg" | tr -d '\r' |
    awk '/^\[/ {key=$0; print key; next} NF {print key " " $0}' | LC_ALL=C sort >"$tmp/$1.lines"
}
# Every identifier the type library declares, and the ProgIDs' prefix; a
# 32-bit DLL's class keys live in the 32-bit view (Wow6432Node).
own=$(own_ids)
ours="^\\[HKEY_[A-Z_]+\\\\Software\\\\Classes\\\\(Wow6432Node\\\\)?((CLSID|Interface|TypeLib)\\\\\\{($own)\\}|Vestrel\\.)"
only_own_changed() {  # only_own_changed BEFORE AFTER
  local foreign
  foreign=$(LC_ALL=C comm -3 "$tmp/$1.lines" "$tmp/$2.lines" | sed 's/^\t//' | grep -viE "$ours")
  [ -z "$foreign" ] || { echo "changed outside the component's keys:"; echo "$foreign" | head -20; return 1; }
}
none_own() { ! grep -qiE "$ours" "$tmp/$1.lines"; }
same() { LC_ALL=C cmp -s "$tmp/$1.lines" "$tmp/$2.lines" || { LC_ALL=C comm -3 "$tmp/$1.lines" "$tmp/$2.lines" | head -20; return 1; }; }

check "unregistering a never-registered DLL is harmless" regsvr /u
check "registry snapshot" snapshot clean HKLM
check "machine registration" regsvr
check "registry snapshot" snapshot registered HKLM
check "registration changes only the component's own keys" only_own_changed clean registered
check "registering twice is harmless" regsvr
check "every ProgID creatable" host ok
check "type library registered" key "HKLM\\$libkey"
# Snapshots are taken right around regsvr32: the script host registers its
# own type library the first time it runs.
check "registry snapshot" snapshot before_unregistration HKLM
check "machine unregistration" regsvr /u
check "registry snapshot" snapshot unregistered HKLM
check "unregistration changes only the component's own keys" only_own_changed before_unregistration unregistered
check "unregistration leaves none of them" none_own unregistered
check "creation fails after unregistration" host absent
check "no class keys left" fails key 'HKLM\Software\Classes\Vestrel.Spelling'
check "second unregistration harmless" regsvr /u

# Per-user: the keys go to HKCU only. (Wine's HKEY_CLASSES_ROOT does not merge
# the user's classes as Windows does, so the user keys are checked directly.)
check "user snapshot" snapshot userclean HKCU
check "registry snapshot" snapshot before_peruser HKLM
check "per-user registration" regsvr /n /i:user
check "registry snapshot" snapshot peruser HKLM
check "per-user registration leaves machine-wide classes as they were" same before_peruser peruser
check "user snapshot" snapshot userregistered HKCU
check "per-user registration changes only the component's own keys" only_own_changed userclean userregistered
check "per-user class key" key 'HKCU\Software\Classes\Vestrel.Spelling\CLSID'
check "per-user versioned ProgID" key 'HKCU\Software\Classes\Vestrel.txtTWord.1\CLSID'
check "per-user type library" key "HKCU\\$libkey\\1.0"
check "per-user interface key" key 'HKCU\Software\Classes\Interface\{E8A9EE37-D4CD-4999-B8E1-643C01E1241B}\TypeLib'
check "nothing machine-wide" fails key 'HKLM\Software\Classes\Vestrel.Spelling'
check "unknown install option refused" fails regsvr /n /i:everybody
check "per-user unregistration" regsvr /u /n /i:user
check "per-user keys removed" fails key 'HKCU\Software\Classes\Vestrel.Spelling'
check "per-user type library removed" fails key "HKCU\\$libkey"
rm -rf "$check_out" "$tmp"
echo "registration ($arch): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
