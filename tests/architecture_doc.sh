#!/usr/bin/env bash
# docs/architecture.md shows the layers as the build links them: the picture
# between its layer markers is what scripts/layers.py draws from CMake's
# graph of the targets of this architecture's configuration.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$root" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
      --graphviz="$work/targets.dot" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
python3 "$root/scripts/layers.py" "$work/targets.dot" > "$work/drawn.txt"
sed -n '/^<!-- layers -->$/,/^<!-- \/layers -->$/p' "$root/docs/architecture.md" | sed '1,2d;$d' | sed '$d' > "$work/shown.txt"
if ! diff -u "$work/shown.txt" "$work/drawn.txt"; then
  echo "FAILED: docs/architecture.md does not show the layers the build links (above: page, then build)"
  exit 1
fi
echo "architecture_doc: the page shows the build's layers"
