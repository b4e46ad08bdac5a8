#!/usr/bin/env bash
# The host examples run as their users would run them, with the built-in
# engine: the VBScript and JScript hosts through wine cscript and the
# early-bound C++ host. Each restyles the window, checks a misspelt word and
# takes the first suggestion; their printed results are checked. The C#
# example is compiled.
set -uo pipefail
here=$(dirname "$0")
source "$here/../scripts/env.sh"
arch=$1
passed=0; failed=0
expect() {  # expect DESCRIPTION OUTPUT LINE
  if grep -qxF -- "$3" <<<"$2"; then passed=$((passed+1)); else
    failed=$((failed+1)); echo "FAILED: $1: no line '$3' in:"; echo "$2"; fi
}

# script_host LANGUAGE FILE ERROR_LINE: a script host example's closing
# lines (cscript writes in the console's OEM code page).
script_host() {
  local out
  out=$(VERDICT='^Primera sugerencia' bash "$here/host_script.sh" "$arch" "$here/../examples/$2" ortografia |
        iconv -f CP850 -t UTF-8 | tr -d '\r')
  expect "$1 host: the word" "$out" "Palabra revisada: ortografia"
  expect "$1 host: the first suggestion" "$out" "Primera sugerencia: ortografía"
  expect "$1 host: a refused value's error" "$out" "$3"
}
script_host VBScript spelling_host.vbs \
  'box.Top = "arriba": error 13 (Vestrel): No coinciden los tipos: el valor no se puede convertir.'
script_host JScript spelling_host.js \
  'box.Top = "arriba": error 13: No coinciden los tipos: el valor no se puede convertir.'

cpp=$(VESTREL_ENGINE=builtin wine_run "$arch" "$VESTREL_BUILD/$arch/bin/check_word.exe" ortografia 0 | tr -d '\r')
# The count the host read is the number of suggestions it listed.
listed=$(grep -c '^  ' <<<"$cpp")
expect "C++ host: the count" "$cpp" "Suggestions for 'ortografia': $((listed > 0 ? listed : -1))"
expect "C++ host: a listed suggestion" "$cpp" "  ortográfica"
expect "C++ host: the first suggestion" "$cpp" "First suggestion, now in the word box: ortografía"

# The C# example as the compiler of .NET Framework 4 takes it (C# 5), with
# Debian's Mono compiler; nothing here runs .NET programs.
out=$(mktemp -d)
cs=$(mcs -langversion:5 -warnaserror -platform:"$([ "$arch" = x86_64 ] && echo x64 || echo x86)" \
  -r:Microsoft.CSharp -out:"$out/VestrelLateBound.exe" "$here/../examples/VestrelLateBound.cs" 2>&1 && echo compiled)
rm -rf "$out"
expect "C# example: compiles as C# 5" "$cs" "compiled"

echo "examples ($arch): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
