#!/usr/bin/env bash
# Runs the road of one check from a VBScript host (wine cscript) for one
# architecture, with the built-in engine, answering its message boxes.
set -uo pipefail
source "$(dirname "$0")/../scripts/env.sh"
arch=$1
bin=$VESTREL_BUILD/$arch/bin
wine=$(wine_for "$arch")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$(dirname "$0")/../scripts/register.sh" "$arch" >/dev/null 2>&1 || { echo "registration failed"; exit 1; }
"$wine" "$bin/answer_boxes.exe" "$(winpath "$work")\\boxes.txt" "$(winpath "$work")\\stop" 60 &
answerer=$!
sleep 1
output=$(VESTREL_ENGINE=builtin "$wine" cscript //nologo "$(winpath "$(dirname "$0")/host/one_check.vbs")" 2>&1)
echo "$output"
touch "$work/stop"
wait $answerer
expected=$(printf '%s\n' \
  ' Vestrel|Se ha terminado la revisión ortográfica. No se han encontrado errores...' \
  'Vestrel|Por favor escriba una palabra en el cuadro de texto')
status=0
echo "$output" | grep -qE '^one_check: [0-9]+ passed, 0 failed' || status=1
if [ "$(cat "$work/boxes.txt")" != "$expected" ]; then
  echo "FAILED: message boxes differ"; echo "got:"; cat "$work/boxes.txt"; status=1
fi
exit $status
