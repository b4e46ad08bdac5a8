#!/usr/bin/env bash
# The demo: a host shows the checker window, types a misspelt word, checks
# it and prints the suggestions; a screenshot of the screen is saved as
# build/demo.png. Then a script host creates every class by ProgID.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
here=$(dirname "$0")
shot=$VESTREL_BUILD/demo.png
for arch in i686 x86_64; do
  echo "== $arch host"
  "$WINE32" "$VESTREL_BUILD/$arch/bin/check_word.exe" ortografia 4 &
  host=$!
  if [ "$arch" = i686 ]; then
    sleep 3
    import -window root "$shot" && echo "screenshot: $shot"
  fi
  wait $host
  "$(wine_for "$arch")" cscript //nologo "$(winpath "$here/hello.vbs")"
done
