#!/usr/bin/env bash
# lexicon_parity.sh ARCH: the engine's verdict on plain words is Hunspell's.
# The engine answers words of letters from its own lexicon; this holds it to
# Debian's native Hunspell with the same dictionary over an independent
# Spanish word list, the counted corpus forms in three capitalisations, and
# misspellings of them.
set -uo pipefail
source "$(dirname "$0")/../../scripts/env.sh"
arch=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
counts="$VESTREL_BUILD/$arch/es_ES.counts"
{
  cat /usr/share/dict/spanish
  cut -f1 "$counts"
  cut -f1 "$counts" | sed 's/.*/\U&/'
  cut -f1 "$counts" | sed 's/^./\U&/'
  cut -f1 "$counts" | sed 's/^\(.\)\(.*\)/\1\U\2/'
  cut -f1 "$counts" | sed 's/[aeo]$//; s/ó/o/; s/b/v/; s/^h//; s/ll/y/'
} | LC_ALL=C.UTF-8 grep -aP '^[A-Za-zÀ-ÖØ-öø-ÿ]+$' | LC_ALL=C sort -u > "$work/words.txt"
wine_run "$arch" "$VESTREL_BUILD/$arch/bin/vestrel-spell.exe" -c "$(winpath "$work/words.txt")" "$(winpath "$work/out.txt")" || { echo "FAILED: vestrel-spell"; exit 1; }
grep -a $'\tbad$' "$work/out.txt" | cut -f1 | LC_ALL=C sort > "$work/ours.txt"
hunspell -d /usr/share/hunspell/es_ES -l < "$work/words.txt" | LC_ALL=C sort -u > "$work/theirs.txt"
total=$(wc -l < "$work/words.txt")
differ=$(LC_ALL=C comm -3 "$work/ours.txt" "$work/theirs.txt" | wc -l)
if [ "$(wc -l < "$work/out.txt")" -ne "$total" ]; then
  echo "FAILED: $(wc -l < "$work/out.txt") verdicts for $total words"; echo "lexicon_parity: 0 passed, 1 failed"; exit 1
fi
if [ "$differ" -ne 0 ]; then
  echo "FAILED: $differ of $total words judged otherwise than by Hunspell (engine-only rejections left, Hunspell-only right):"
  LC_ALL=C comm -3 "$work/ours.txt" "$work/theirs.txt" | head -40
  echo "lexicon_parity: 0 passed, 1 failed"; exit 1
fi
echo "lexicon_parity: $total words, $(wc -l < "$work/ours.txt") rejected by both"
echo "lexicon_parity: 1 passed, 0 failed"
