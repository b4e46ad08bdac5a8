#!/usr/bin/env bash
# run-demo.sh [ARCH...]: the demo on each architecture named (every one
# this machine runs when none is). A host shows the checker window, types a
# misspelt word, checks it and prints the suggestions; a screenshot of the
# screen is saved as build/demo.png. Then the script host example restyles,
# checks and takes the first suggestion.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
here=$(dirname "$0")
shot=$VESTREL_BUILD/demo.png
shot_taken=
for arch in ${*:-$(running_archs)}; do
  echo "== $arch host"
  wine_run "$arch" "$VESTREL_BUILD/$arch/bin/check_word.exe" ortografia 4 &
  host=$!
  if [ -z "$shot_taken" ]; then
    shot_taken=1
    sleep 3
    import -window root "$shot" && echo "screenshot: $shot"
  fi
  wait $host
  echo "== $arch script host"
  # cscript writes in the console's OEM code page.
  wine_run "$arch" cscript //nologo "$(winpath "$here/spelling_host.vbs")" |
    iconv -f CP850 -t UTF-8
done
