#!/usr/bin/env bash
# The demo: a host shows the checker window, types a misspelt word, checks
# it and prints the suggestions; a screenshot of the screen is saved as
# build/demo.png. Then a script host creates every class by ProgID.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
here=$(dirname "$0")
shot=$VESTREL_BUILD/demo.png
shot_taken=
for arch in $(running_archs); do
  echo "== $arch host"
  "$(wine_for "$arch")" "$VESTREL_BUILD/$arch/bin/check_word.exe" ortografia 4 &
  host=$!
  if [ -z "$shot_taken" ]; then
    shot_taken=1
    sleep 3
    import -window root "$shot" && echo "screenshot: $shot"
  fi
  wait $host
  "$(wine_for "$arch")" cscript //nologo "$(winpath "$here/hello.vbs")"
done
