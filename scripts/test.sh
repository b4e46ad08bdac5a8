#!/usr/bin/env bash
# Runs every suite, each as a stage: the set-up's decisions, the engine's
# seed corpus replayed natively under the sanitizers, each
# architecture whose programs this machine can run (one it cannot run is
# said so, not passed over in silence), the zip and the Windows Installer
# packages.
set -uo pipefail
here=$(dirname "$0")
source "$here/env.sh"
source "$here/stage.sh"
stage "tests (set-up)" bash "$here/../tests/setup/setup_test.sh" || exit 1
stage "tests (engine under the sanitizers)" bash "$here/fuzz-engine.sh" replay || exit 1
for arch in i686 x86_64; do
  if ! runs_arch "$arch"; then
    echo "== tests ($arch) not run: this machine's kernel runs no 32-bit programs (built only)"
    continue
  fi
  stage "tests ($arch)" bash -c "cd '$VESTREL_BUILD/$arch' && ctest --output-on-failure --timeout 900" || exit 1
done
stage "tests (package)" bash "$here/../tests/packaging/dist.sh" || exit 1
stage "tests (Windows Installer packages)" bash "$here/../tests/packaging/msi.sh" || exit 1
