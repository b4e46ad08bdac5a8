#!/usr/bin/env bash
# spell_tool.sh ARCH: the command-line speller of that architecture on a
# small word file: verdicts, suggestion order, and inputs a host may send
# (a 1,000-letter word, an embedded NUL, CR LF line ends).
set -uo pipefail
source "$(dirname "$0")/../../scripts/env.sh"
arch=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  printf 'casa\ncanción\r\ngatto\n\nxqzvbnm\n'
  head -c 1000 /dev/zero | tr '\0' 'a'; printf '\n'
  printf 'pe\0rro\n'
} > "$work/words.txt"
wine_run "$arch" "$VESTREL_BUILD/$arch/bin/vestrel-spell.exe" "$(winpath "$work/words.txt")" "$(winpath "$work/out.txt")"
status=$?
passed=0 failed=0
expect() {  # expect LINE-NUMBER PATTERN WHAT
  if sed -n "$1p" "$work/out.txt" | grep -qaP "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $3: $(sed -n "$1p" "$work/out.txt" | head -c 200)"; fi
}
[ "$status" -eq 0 ] || { echo "FAILED: exit status $status"; failed=$((failed + 1)); }
expect 1 '^casa\tok$' 'a correct word'
expect 2 '^canción\tok$' 'an accented word, CR LF line end'
expect 3 '^gatto\tbad\tgato(\t|$)' 'the intended word first'
expect 4 '^xqzvbnm\tbad' 'no empty line is checked; a word with no suggestion'
expect 5 '^a{1000}\tbad' 'a 1,000-letter word'
expect 6 '^pe\x00rro\tbad' 'an embedded NUL is a word, and not a correct one'
[ "$(wc -l < "$work/out.txt")" -eq 6 ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAILED: one line a word"; }

# A damaged or missing lexicon is told plainly, and nothing is answered.
mkdir "$work/copy"
cp "$VESTREL_BUILD/$arch/bin/"{vestrel.dll,vestrel-spell.exe,es_ES.aff,es_ES.dic} "$work/copy/"
for damage in truncated scrambled missing; do
  case $damage in
    truncated) head -c 5000 "$VESTREL_BUILD/$arch/bin/es_ES.vlx" > "$work/copy/es_ES.vlx" ;;
    scrambled) { head -c 16 "$VESTREL_BUILD/$arch/bin/es_ES.vlx"; head -c 700000 /dev/urandom; } > "$work/copy/es_ES.vlx" ;;
    missing) rm -f "$work/copy/es_ES.vlx" ;;
  esac
  message=$(wine_run "$arch" "$work/copy/vestrel-spell.exe" "$(winpath "$work/words.txt")" "$(winpath "$work/damaged.txt")" 2>&1)
  code=$?
  if [ "$code" -eq 1 ] && grep -q 'diccionario de español' <<<"$message" && [ ! -s "$work/damaged.txt" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1)); echo "FAILED: $damage lexicon: exit $code, $message"
  fi
done
echo "spell_tool: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
