#!/usr/bin/env bash
# Runs every suite, each as a stage: the set-up's decisions, the engine's
# seed corpus replayed natively under the sanitizers, each architecture
# whose programs this machine can run (one it cannot run is said so, not
# passed over in silence), the zip and the Windows Installer packages.
#
# After the set-up's own test, the engine under the sanitizers and each
# architecture's suite run at once (where only one architecture runs, its
# longest test beside the rest of its suite). The suites show windows, take
# the keyboard and register the component, so each lane has a virtual
# display and a Wine prefix of its own: two on one display or in one prefix
# would meet.
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
# Lanes, each NAME:ARCH:CTEST-SELECTION: an architecture's suite each. With
# one architecture a core would sit idle, so its longest tests (label
# apart) run in a lane of their own beside the rest.
lanes=()
for arch in "${archs[@]}"; do lanes+=("$arch:$arch:"); done
if [ "${#archs[@]}" = 1 ]; then
  lanes=("${archs[0]}:${archs[0]}:-LE apart" "${archs[0]}-apart:${archs[0]}:-L apart")
fi
# The first lane uses the project's prefix; another gets its own, made once
# and kept in the build folder.
first_lane=${lanes[0]%%:*}
prefix_of() { if [ "$1" = "$first_lane" ]; then echo "$WINEPREFIX"; else echo "$VESTREL_BUILD/wineprefix-$1"; fi; }
for lane in "${lanes[@]}"; do
  name=${lane%%:*}
  VESTREL_WINEPREFIX=$(prefix_of "$name") stage "prefix for the $name tests" bash "$here/wineprefix.sh" || exit 1
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
for lane in "${lanes[@]}"; do
  IFS=: read -r name arch selection <<<"$lane"
  VESTREL_WINEPREFIX=$(prefix_of "$name") VESTREL_DISPLAY_NUMBER=$number at_once "tests-$name" \
    stage "tests ($name)" bash "$here/with-display.sh" \
      bash -c "cd '$VESTREL_BUILD/$arch' && ctest --output-on-failure --timeout 900 $selection"
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
