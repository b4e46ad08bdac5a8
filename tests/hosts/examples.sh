#!/usr/bin/env bash
# The host examples run as their users would run them, with the built-in
# engine: the VBScript and JScript hosts through wine cscript and the
# early-bound C++ host. Each restyles the window, checks a misspelt word and
# takes the first suggestion; their printed results are checked. The C#
# example is compiled.
set -uo pipefail
here=$(dirname "$0")
source "$here/../../scripts/env.sh"
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
  out=$(VERDICT='^Primera sugerencia' bash "$here/host_script.sh" "$arch" "$here/../../examples/$2" ortografia |
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

# A user double-clicks the second suggestion and closes the window with its
# Cerrar button, with real input through the display; the C++ host, waiting
# for the user, reads the word before the window goes.
user_picks() {
  local out=$1 window geometry left top i
  for i in $(seq 120); do grep -q '^First suggestion' "$out" 2>/dev/null && break; sleep 0.5; done
  window=$(xwininfo -root -tree | grep -m1 ' "Vestrel": ') || return 1
  geometry=$(sed 's/.* \([0-9]*x[0-9]*+[0-9]*+[0-9]*\) .*/\1/' <<<"$window")
  left=${geometry#*+}; left=${left%%+*}; top=${geometry##*+}
  # The list's second entry, and the Cerrar button (96 dpi: 15 twips a pixel).
  xdotool mousemove $((left + 50)) $((top + 126)) click --repeat 2 --delay 80 1 &&
    xdotool mousemove $((left + 256)) $((top + 100)) click 1
}
out=$(mktemp)
VESTREL_ENGINE=builtin wine_run "$arch" "$VESTREL_BUILD/$arch/bin/check_word.exe" ortografia wait >"$out" 2>&1 &
host=$!
user_picks "$out"
for i in $(seq 120); do kill -0 "$host" 2>/dev/null || break; sleep 0.5; done
kill "$host" 2>/dev/null && echo "the host still waited for the user"
wait "$host" 2>/dev/null
# The second entry of the list the same engine gave the host above.
second=$(grep '^  ' <<<"$cpp" | sed -n '2s/^  //p')
expect "C++ host: the word the user chose" "$(tr -d '\r' <"$out")" "The word the user chose: ${second:-no second suggestion}"
rm -f "$out"

# The C# example as the compiler of .NET Framework 4 takes it (C# 5), with
# Debian's Mono compiler; nothing here runs .NET programs.
out=$(mktemp -d)
cs=$(mcs -langversion:5 -warnaserror -platform:"$([ "$arch" = x86_64 ] && echo x64 || echo x86)" \
  -r:Microsoft.CSharp -out:"$out/VestrelLateBound.exe" "$here/../../examples/VestrelLateBound.cs" 2>&1 && echo compiled)
rm -rf "$out"
expect "C# example: compiles as C# 5" "$cs" "compiled"

echo "examples ($arch): $passed passed, $failed failed"
[ "$failed" -eq 0 ]
