#!/usr/bin/env bash
# dist.sh: the packages for Windows users.
#  build/vestrel-VERSION.zip: both DLLs (stripped) with the Spanish
#  dictionary files beside each, the register and unregister scripts, the
#  documentation, the examples, the C++ header, the licences of Hunspell
#  and of the dictionary and the notice of the word frequencies; beside each DLL its assembly manifest
#  (Vestrel.Component.manifest), for hosts that use it without registering it.
#  build/vestrel-VERSION-x86.msi and build/vestrel-VERSION-x64.msi: Windows
#  Installer packages of the same files for the whole machine (the 32-bit
#  DLL; both DLLs), and build/vestrel-VERSION-user.msi, both DLLs for the
#  current user without administrator rights; their registry entries are
#  what each DLL's DllRegisterServer writes, captured here under Wine
#  (scripts/msi.py).
set -euo pipefail
source "$(dirname "$0")/env.sh"
root=$VESTREL_ROOT
version=$(sed -n 's/^project(Vestrel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=vestrel-$version
stage=$VESTREL_BUILD/dist/$name
rm -rf "$VESTREL_BUILD/dist"
mkdir -p "$stage"/{x86,x64,docs,examples,include,licences}
for pair in i686:x86 x86_64:x64; do
  arch=${pair%%:*}; folder=$stage/${pair#*:}
  "$arch-w64-mingw32-strip" -o "$folder/vestrel.dll" "$VESTREL_BUILD/$arch/bin/vestrel.dll"
  cp "$VESTREL_BUILD/$arch/bin"/es_ES.{vlx,aff,dic} "$folder/"
done
cp "$root"/package/*.cmd "$root/package/README.txt" "$stage/"
cp -r "$root"/docs/. "$stage/docs/"
cp "$root"/examples/{spelling_host.vbs,spelling_host.js,VestrelExample.bas,VestrelLateBound.cs,check_word.cpp,installed_version.vbs} \
  "$stage/examples/"
cp "$VESTREL_BUILD/i686/generated/vestrel_h.h" "$stage/include/"
hunspell=$VESTREL_BUILD/third_party/hunspell
for f in COPYING COPYING.LESSER COPYING.MPL license.hunspell license.myspell; do
  cp "$hunspell/$f" "$stage/licences/hunspell.$f.txt"
done
cp "$hunspell/debian/copyright" "$stage/licences/hunspell.debian-copyright.txt"
cp "$VESTREL_BUILD/i686/bin/es_ES.copyright.txt" "$stage/licences/es_ES.copyright.txt"
# The word frequencies' sources, then the notices of the package they come from.
{
  cat "$root/package/word-frequencies.txt"
  for f in NOTICE.md THIRD_PARTY_LICENSES.md LICENSE.txt; do
    printf '\n-- %s --\n\n' "$f"; cat "$VESTREL_BUILD/third_party/es-frequencies/$f"; echo
  done
} >"$stage/licences/es_ES.word-frequencies.txt"
# The Windows Installer packages and the assembly manifests carry what each
# DLL's DllRegisterServer writes, read by running it. Where this machine runs no 32-bit programs the
# 32-bit DLL's registration is the 64-bit one's with the type library's
# platform key for 32-bit (msi.py says why that is the same).
captures=$VESTREL_BUILD/dist/registry
mkdir -p "$captures"
for pair in i686:x86 x86_64:x64; do
  arch=${pair%%:*}; kind=${pair#*:}
  runs_arch "$arch" || continue
  wine_run "$arch" "$VESTREL_BUILD/$arch/bin/vestrel-registry.exe" capture \
    "$(winpath "$stage/$kind/vestrel.dll")" "$(winpath "$captures/$kind.txt")" >&2 ||
    { echo "the $kind DLL's registration could not be read" >&2; exit 1; }
done
if ! runs_arch i686; then
  echo "the 32-bit DLL's registration taken from the 64-bit DLL's: this machine runs no 32-bit programs" >&2
  python3 "$root/scripts/msi.py" x86-from-x64 "$captures/x64.txt" "$captures/x86.txt"
fi
# Beside each DLL, the assembly manifest a host names to use it without
# registering it, made from the same capture.
python3 "$root/scripts/manifest.py" "$captures/x86.txt" "$version" x86 "$stage/x86/Vestrel.Component.manifest"
python3 "$root/scripts/manifest.py" "$captures/x64.txt" "$version" amd64 "$stage/x64/Vestrel.Component.manifest"
# And an application manifest naming it, for a 32-bit host (VB6) to copy.
python3 "$root/scripts/manifest.py" application "$version" x86 "$stage/examples/VestrelHost.exe.manifest"
(cd "$VESTREL_BUILD/dist" && python3 -m zipfile -c "$VESTREL_BUILD/$name.zip" "$name")
echo "$VESTREL_BUILD/$name.zip"
for kind in x86 x64 user; do
  python3 "$root/scripts/msi.py" "$kind" "$version" "$stage" "$captures" "$root/resources/vestrel.ico" \
    "$VESTREL_BUILD/$name-$kind.msi"
  echo "$VESTREL_BUILD/$name-$kind.msi"
done
