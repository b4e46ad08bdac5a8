#!/usr/bin/env bash
# The host examples run as their users would run them, with the built-in
# engine: the VBScript and JScript hosts through wine cscript and the
# early-bound C++ host. Each restyles the window, checks a misspelt word and
# takes the first suggestion; their printed results are checked.
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/env.sh"
arch=$1
passed=0; failed=0
expect() {  # expect DESCRIPTION OUTPUT LINE
  if grep -qxF -- "$3" <<<"$2"; then passed=$((passed+1)); else
    failed=$((failed+1)); echo "FAILED: $1: no line '$3' in:"; echo "$2"; fi
}

# cscript writes in the console's OEM code page.
vbs=$(VERDICT='^Primera sugerencia' bash "$here/host_script.sh" "$arch" "$here/../examples/spelling_host.vbs" ortografia |
      iconv -f CP850 -t UTF-8 | tr -d '\r')
expect "VBScript host: the word" "$vbs" "Palabra revisada: ortografia"
expect "VBScript host: the first suggestion" "$vbs" "Primera sugerencia: ortografía"
expect "VBScript host: a refused value's error" "$vbs" \
  'box.Top = "arriba": error 13 (Vestrel): No coinciden los tipos: el valor no se puede convertir.'

js=$(VERDICT='^Primera sugerencia' bash "$here/host_script.sh" "$arch" "$here/../examples/spelling_host.js" ortografia |
     iconv -f CP850 -t UTF-8 | tr -d '\r')
expect "JScript host: the word" "$js" "Palabra revisada: ortografia"
expect "JScript host: the first suggestion" "$js" "Primera sugerencia: ortografía"
expect "JScript host: a refused value's error" "$js" \
  'box.Top = "arriba": error 13: No coinciden los tipos: el valor no se puede convertir.'

cpp=$(VESTREL_ENGINE=builtin wine_run "$arch" "$VESTREL_BUILD/$arch/bin/check_word.exe" ortografia 0 | tr -d '\r')
# The count the host read is the number of suggestions it listed.
listed=$(grep -c '^  ' <<<"$cpp")
expect "C++ host: the count" "$cpp" "Suggestions for 'ortografia': $((listed > 0 ? listed : -1))"
expect "C++ host: a listed suggestion" "$cpp" "  ortográfica"
expect "C++ host: the first suggestion" "$cpp" "First suggestion, now in the word box: ortografía"

echo "examples ($arch): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
