#!/usr/bin/env bash
# dist.sh: the package for Windows users, build/vestrel-VERSION.zip: both
# DLLs (stripped) with the Spanish dictionary files beside each, the
# register and unregister scripts, the documentation, the examples, the
# C++ header and the licences of Hunspell and of the dictionary.
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
cp "$root"/examples/{spelling_host.vbs,spelling_host.js,VestrelExample.bas,VestrelLateBound.cs,check_word.cpp} "$stage/examples/"
cp "$VESTREL_BUILD/i686/generated/vestrel_h.h" "$stage/include/"
hunspell=$VESTREL_BUILD/third_party/hunspell
for f in COPYING COPYING.LESSER COPYING.MPL license.hunspell license.myspell; do
  cp "$hunspell/$f" "$stage/licences/hunspell.$f.txt"
done
cp "$hunspell/debian/copyright" "$stage/licences/hunspell.debian-copyright.txt"
cp /usr/share/doc/hunspell-es/copyright "$stage/licences/es_ES.copyright.txt"
(cd "$VESTREL_BUILD/dist" && python3 -m zipfile -c "$VESTREL_BUILD/$name.zip" "$name")
echo "$VESTREL_BUILD/$name.zip"
