#!/usr/bin/env bash
# Runs the example host in the private prefix against both registered DLLs.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
for arch in i686 x86_64; do
  echo "== $arch host"
  "$(wine_for "$arch")" cscript //nologo "$(winpath "$(dirname "$0")/hello.vbs")"
done
