# Sourced by the package tests, after checks.sh, with WINEPREFIX set to a
# prefix of the test's own: what a Windows user's machine shows.

# fresh_prefix: makes the prefix. Making one now and then fails on a busy
# machine; once more, from nothing.
fresh_prefix() {
  local make="$(dirname "${BASH_SOURCE[0]}")/../../scripts/wineprefix.sh"
  VESTREL_WINEPREFIX=$WINEPREFIX bash "$make" && return
  echo "the fresh prefix failed; making it again" >&2
  wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; sleep 2
  VESTREL_WINEPREFIX=$WINEPREFIX bash "$make"
}

# licences FOLDER: the licences of Hunspell and of the dictionary, and the
# notice naming where the word frequencies come from, under their licences.
licences() {
  local notice=$1/es_ES.word-frequencies.txt phrase
  test -f "$1/es_ES.copyright.txt" && test -f "$1/hunspell.COPYING.txt" || return 1
  for phrase in 'OpenSubtitles 2024' 'OPUS' 'Open Data Commons Attribution License (ODC-BY)' 'Spanish Wikipedia' \
      '@zxcvbn-ts/language-es-es, version 4.1.2' 'MIT licence' 'Any redistribution of this package must retain this notice' \
      'Permission is hereby granted'; do
    grep -qF "$phrase" "$notice" || { echo "$notice does not say: $phrase"; return 1; }
  done
}

# example ARCH SCRIPT: the VBScript example under that script host; its own
# closing lines say what it did (cscript writes in the console's OEM code page).
example() {
  wine_run "$1" cscript //nologo "$(winpath "$2")" ortografia |
    iconv -f CP850 -t UTF-8 | tr -d '\r' | tee /dev/stderr | grep -qxF "Primera sugerencia: ortografía"
}

key() { wine_run x86_64 reg query "$1" >/dev/null 2>&1; }

# clean ROOT: no identifier of the component's type library and no ProgID
# of it left under that root's classes, in either view.
clean() {
  local own left reg
  own=$(own_ids)
  # A root whose classes key is gone altogether (a removal took the last of
  # it) holds none of the component's.
  key "$1\\Software\\Classes" || return 0
  reg=$(mktemp "$WINEPREFIX/../classes.XXXXXX")
  wine_run x86_64 reg export "$1\\Software\\Classes" "$(winpath "$reg")" /y >/dev/null 2>&1 || return 1
  left=$(iconv -f UTF-16LE -t UTF-8 "$reg" | grep -iE "($own)|\\\\Vestrel\\.")
  rm -f "$reg"
  [ -z "$left" ] || { echo "$left" | head -5; return 1; }
}
