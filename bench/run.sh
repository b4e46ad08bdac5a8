#!/usr/bin/env bash
# Runs the benchmarks for one architecture (default i686) under a display:
#  - the Spanish error set, made again from the build's word counts;
#  - the engine object's speed and memory (engine_bench);
#  - suggestion quality beside Debian's native Hunspell, Nuspell and Aspell,
#    on that set, on the real misspellings beside the project, per kind, and
#    on words run together (made from the text the lexicon's counts come from);
#  - the host's view: Spelling.Spelling end to end and many checks' growth;
#  - the soak: as many windows created, shown and closed, and checks, beside
#    a plain window with the same kinds of controls, memory every 1,000.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/env.sh"
arch=${1:-i686}
checks=${2:-10000}
bin="$VESTREL_BUILD/$arch/bin"
errors="$VESTREL_BUILD/$arch/errors.tsv"
python3 "$here/make_errors.py" "$VESTREL_BUILD/$arch/es_ES.counts" "$errors"
echo "== engine ($arch)"
wine_run "$arch" "$bin/engine_bench.exe" "$(winpath "$errors")"
echo "== suggestion quality ($arch), intended word first / in the first five"
python3 "$here/quality.py" "$errors" "$here/../scripts/wine-run" "$arch" "$bin/vestrel-spell.exe" --winpath
real="$here/../../shared/data/real_errors_dev.tsv"
if [ -f "$real" ]; then
  echo "== suggestion quality on real misspellings ($arch), intended word first / in the first five"
  # Its misses, with how often the text shows each intended word, go beside the build.
  python3 "$here/quality.py" --misses "$VESTREL_BUILD/$arch/real-misses.tsv" --counts "$VESTREL_BUILD/$arch/es_ES.counts" \
    "$real" "$here/../scripts/wine-run" "$arch" "$bin/vestrel-spell.exe" --winpath
  echo "== keyboard slips' costs learnt from one half of the real misspellings, and from the other"
  python3 "$here/learn_costs.py" "$real"
else
  echo "== no real misspellings at $real: that comparison not run"
fi
# Words run together, made from the same text as the lexicon's counts: the
# half kept for measuring (the other half is the one to tune on).
python3 "$here/make_runtogether.py" "$VESTREL_BUILD/$arch/runtogether-tune.tsv" "$VESTREL_BUILD/$arch/runtogether.tsv" \
  "$VESTREL_BUILD/$arch/joined-words.txt"
echo "== words run together ($arch), the words meant first / in the first five"
python3 "$here/quality.py" "$VESTREL_BUILD/$arch/runtogether.tsv" "$here/../scripts/wine-run" "$arch" "$bin/vestrel-spell.exe" --winpath
echo "== host ($arch)"
bash "$here/../scripts/with-display.sh" bash "$here/../scripts/wine-run" "$arch" "$bin/bench.exe" "$(winpath "$here/words.txt")" "$checks"
echo "== soak ($arch)"
bash "$here/../scripts/with-display.sh" bash "$here/../scripts/wine-run" "$arch" "$bin/soak.exe" "$checks"
