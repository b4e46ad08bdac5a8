#!/usr/bin/env bash
# Runs the benchmark for one architecture (default i686) under a display,
# then Debian's native hunspell over the same words as the reference.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/env.sh"
arch=${1:-i686}
checks=${2:-10000}
bash "$here/../scripts/with-display.sh" "$(wine_for "$arch")" "$VESTREL_BUILD/$arch/bin/bench.exe" "$(winpath "$here/words.txt")" "$checks"
words=$(wc -l < "$here/words.txt")
start=$(date +%s%N)
for i in 1 2 3 4 5; do hunspell -d /usr/share/hunspell/es_ES -a < "$here/words.txt" >/dev/null; done
end=$(date +%s%N)
echo "native hunspell -a (load + check + suggest, 5 x $words words): $(( (end - start) / 5000000 )) ms per run"
