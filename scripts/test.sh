#!/usr/bin/env bash
# Runs every suite, each as a stage: the set-up's decisions, the engine's
# seed corpus replayed natively under the sanitizers, each architecture
# whose programs this machine can run (one it cannot run is said so, not
# passed over in silence), the zip and the Windows Installer packages.
#
# After the set-up's own test, the engine under the sanitizers and each
# architecture's suite run at once. The suites show windows, take the
# keyboard and register the component, so each has a virtual display and a
# Wine prefix of its own: two on one display or in one prefix would meet.
# They spend most of their time waiting for Wine's server, and two cores
# run them all in little more than the time of the longest. Each one's
# output is shown whole once all have ended. The packages' tests come last,
# alone: under that load a check of the Windows Installer packages once
# failed without a word, which no run of them alone has done.
set -uo pipefail
here=$(dirname "$0")
source "$here/env.sh"
source "$here/stage.sh"
stage "tests (set-up)" bash "$here/../tests/setup/setup_test.sh" || exit 1

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

logs=$VESTREL_BUILD/logs
mkdir -p "$logs"
names=() pids=()
# at_once NAME COMMAND...: starts COMMAND with its output in logs/NAME.log.
at_once() {
  local name=$1; shift
  "$@" >"$logs/$name.log" 2>&1 &
  names+=("$name") pids+=($!)
}
at_once tests-sanitizers stage "tests (engine under the sanitizers)" bash "$here/fuzz-engine.sh" replay
number=100
for arch in "${archs[@]}"; do
  VESTREL_WINEPREFIX=$(prefix_of "$arch") VESTREL_DISPLAY_NUMBER=$number at_once "tests-$arch" \
    stage "tests ($arch)" bash "$here/with-display.sh" \
      bash -c "cd '$VESTREL_BUILD/$arch' && ctest --output-on-failure --timeout 900"
  number=$((number + 100))
done
echo "== ${names[*]#tests-} running at once; each one's output follows when all have ended"
failed=0
for i in "${!names[@]}"; do
  wait "${pids[$i]}" || failed=1
done
for name in "${names[@]}"; do cat "$logs/$name.log"; done
[ "$failed" = 0 ] || exit 1

stage "tests (package)" bash "$here/with-display.sh" bash "$here/../tests/packaging/dist.sh" || exit 1
stage "tests (Windows Installer packages)" bash "$here/with-display.sh" bash "$here/../tests/packaging/msi.sh" || exit 1
