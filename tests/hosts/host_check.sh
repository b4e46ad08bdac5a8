#!/usr/bin/env bash
# Runs the road of one check from a VBScript host (wine cscript) for one
# architecture, with the built-in engine, and checks the message boxes the
# user saw on the way.
set -uo pipefail
here=$(dirname "$0")
boxes=$(mktemp)
trap 'rm -f "$boxes"' EXIT
BOXES_FILE=$boxes bash "$here/host_script.sh" "$1" "$here/one_check.vbs"
status=$?
expected=$(printf '%s\n' \
  ' Vestrel|Se ha terminado la revisión ortográfica. No se han encontrado errores...' \
  'Vestrel|Por favor escriba una palabra en el cuadro de texto')
if [ "$(cat "$boxes")" != "$expected" ]; then
  echo "FAILED: message boxes differ"; echo "got:"; cat "$boxes"; status=1
fi
exit $status
