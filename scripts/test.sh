#!/usr/bin/env bash
# Runs every suite, each as a stage: the set-up's decisions, the engine's
# seed corpus replayed natively under the sanitizers, each architecture
# whose programs this machine can run (one it cannot run is said so, not
# passed over in silence), the zip and the Windows Installer packages.
#
# The architectures' suites run at the same time, each on a virtual display
# and in a Wine prefix of its own: their tests show windows, take the
# keyboard and register the component, so two on one display or in one
# prefix would meet. A suite spends most of its time waiting for Wine's
# server, and two cores run both in little more than the time of one. Each
# suite's output is shown whole once both have ended.
set -uo pipefail
here=$(dirname "$0")
source "$here/env.sh"
source "$here/stage.sh"
stage "tests (set-up)" bash "$here/../tests/setup/setup_test.sh" || exit 1
stage "tests (engine under the sanitizers)" bash "$here/fuzz-engine.sh" replay || exit 1

archs=()
for arch in i686 x86_64; do
  if runs_arch "$arch"; then archs+=("$arch")
  else echo "== tests ($arch) not run: this machine's kernel runs no 32-bit programs (built only)"; fi
done
# The first architecture uses the project's prefix; another gets its own,
# made once and kept in the build folder.
prefix_of() { if [ "$1" = "${archs[0]}" ]; then echo "$WINEPREFIX"; else echo "$VESTREL_BUILD/wineprefix-$1"; fi; }
for arch in "${archs[@]}"; do
  VESTREL_WINEPREFIX=$(prefix_of "$arch") stage "prefix for the $arch tests" bash "$here/wineprefix.sh" || exit 1
done

mkdir -p "$VESTREL_BUILD/logs"
echo "== tests (${archs[*]}) running; each suite's output follows when all have ended"
pids=()
number=100
for arch in "${archs[@]}"; do
  VESTREL_WINEPREFIX=$(prefix_of "$arch") VESTREL_DISPLAY_NUMBER=$number \
    stage "tests ($arch)" bash "$here/with-display.sh" \
      bash -c "cd '$VESTREL_BUILD/$arch' && ctest --output-on-failure --timeout 900" \
      >"$VESTREL_BUILD/logs/tests-$arch.log" 2>&1 &
  pids+=($!)
  number=$((number + 100))
done
failed=0
for i in "${!archs[@]}"; do
  wait "${pids[$i]}" || failed=1
done
for arch in "${archs[@]}"; do cat "$VESTREL_BUILD/logs/tests-$arch.log"; done
[ "$failed" = 0 ] || exit 1

stage "tests (package)" bash "$here/with-display.sh" bash "$here/../tests/packaging/dist.sh" || exit 1
stage "tests (Windows Installer packages)" bash "$here/with-display.sh" bash "$here/../tests/packaging/msi.sh" || exit 1
