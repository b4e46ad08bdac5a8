#!/usr/bin/env bash
# Runs every test of each architecture whose programs this machine can run;
# an architecture it cannot run is said so, not passed over in silence.
set -uo pipefail
source "$(dirname "$0")/env.sh"
for arch in i686 x86_64; do
  if ! runs_arch "$arch"; then
    echo "== tests ($arch) not run: this machine's kernel runs no 32-bit programs (built only)"
    continue
  fi
  echo "== tests ($arch)"
  (cd "$VESTREL_BUILD/$arch" && ctest --output-on-failure --timeout 900) || exit 1
done
echo "== package"
bash "$(dirname "$0")/../tests/dist.sh" || exit 1
echo "== Windows Installer packages"
bash "$(dirname "$0")/../tests/msi.sh" || exit 1
