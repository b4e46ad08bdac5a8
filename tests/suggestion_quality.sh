#!/usr/bin/env bash
# suggestion_quality.sh ARCH: the engine's suggestions on a quarter of the
# benchmark's Spanish error set (every pattern represented), against the
# quality the component promises and against native Hunspell on plain typos.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/env.sh"
arch=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/../bench/make_errors.py" "$VESTREL_BUILD/$arch/es_ES.counts" "$work/errors.tsv" >/dev/null || { echo "FAILED: no error set"; exit 1; }
python3 "$here/../bench/quality.py" --sample 4 --require "$work/errors.tsv" \
  "$here/../scripts/wine-run" "$arch" "$VESTREL_BUILD/$arch/bin/vestrel-spell.exe" --winpath
