#!/usr/bin/env bash
# register.sh ARCH [regsvr32 flags...]: runs regsvr32 of that architecture
# on that architecture's DLL in the private prefix.
set -euo pipefail
source "$(dirname "$0")/env.sh"
arch=$1; shift
wine_run "$arch" regsvr32 /s "$@" "$(winpath "$VESTREL_BUILD/$arch/bin/vestrel.dll")"
