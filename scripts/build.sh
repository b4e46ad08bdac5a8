#!/usr/bin/env bash
# build.sh ARCH [TARGET...]: configures that architecture's build once and
# builds the targets named (everything when none is).
set -euo pipefail
source "$(dirname "$0")/env.sh"
arch=$1; shift
dir=$VESTREL_BUILD/$arch
[ -f "$dir/CMakeCache.txt" ] ||
  cmake -S "$VESTREL_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$VESTREL_ROOT/cmake/mingw-$arch.cmake"
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j"${JOBS:-$(nproc)}" "${targets[@]}"
