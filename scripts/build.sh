#!/usr/bin/env bash
# build.sh ARCH [TARGET...]: configures that architecture's build and builds
# the targets named (everything when none is).
set -euo pipefail
source "$(dirname "$0")/env.sh"
arch=$1; shift
dir=$VESTREL_BUILD/$arch
# Configured at every build (seconds once cached), which also writes the
# graph of the targets that the architecture test holds its page to.
cmake -S "$VESTREL_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$VESTREL_ROOT/cmake/mingw-$arch.cmake" \
      -DVESTREL_BUILD_DIR="$VESTREL_BUILD" --graphviz="$dir/graph/targets.dot" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j"${JOBS:-$(nproc)}" "${targets[@]}"
