#!/usr/bin/env bash
# suggestion_quality.sh ARCH: the engine's suggestions on a quarter of the
# benchmark's Spanish error set (every pattern represented), against the
# quality the component promises and against native Hunspell on plain typos;
# on a quarter of the words run together made from the lexicon's text (the
# half kept for measuring); then on a quarter of the real misspellings
# beside the project, when they are there. Each against the floor the
# engine reaches on it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/env.sh"
arch=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
spell=("$here/../../scripts/wine-run" "$arch" "$VESTREL_BUILD/$arch/bin/vestrel-spell.exe" --winpath)
python3 "$here/../../bench/make_errors.py" "$VESTREL_BUILD/$arch/es_ES.counts" "$work/errors.tsv" >/dev/null || { echo "FAILED: no error set"; exit 1; }
python3 "$here/../../bench/quality.py" --sample 4 --require "$work/errors.tsv" "${spell[@]}" || exit 1
python3 "$here/../../bench/make_runtogether.py" "$work/runtogether-tune.tsv" "$work/runtogether.tsv" "$work/joined.txt" >/dev/null ||
  { echo "FAILED: no set of words run together"; exit 1; }
# A word that is two words joined (porque, también) is a word, never split.
"${spell[@]:0:3}" -c "$(winpath "$work/joined.txt")" "$(winpath "$work")\\joined-verdicts.txt" >/dev/null 2>&1
split=$(tr -d '\r' < "$work/joined-verdicts.txt" | grep -v $'\tok$')
[ -z "$split" ] || { echo "FAILED: words the dictionary holds are taken for words run together:"; echo "$split" | head; exit 1; }
echo "quality: the $(wc -l < "$work/joined.txt") words that are two words joined are words"
# The words meant first / in the first five.
python3 "$here/../../bench/quality.py" --sample 4 --floor 87,96 "$work/runtogether.tsv" "${spell[@]}" || exit 1
real="$here/../../../shared/data/real_errors_dev.tsv"
if [ ! -f "$real" ]; then
  echo "quality: no real misspellings at $real; that half not run"
  exit 0
fi
# Spelling first / in the first five, keyboard slips first.
python3 "$here/../../bench/quality.py" --sample 4 --floor 97.1,99.7,92.3 "$real" "${spell[@]}"
