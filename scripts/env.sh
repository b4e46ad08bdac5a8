# Sourced by the project's scripts: where things live and how Wine is run.
VESTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VESTREL_BUILD=${VESTREL_BUILD:-$VESTREL_ROOT/build}
export WINEPREFIX=${VESTREL_WINEPREFIX:-$VESTREL_BUILD/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts: the component needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The 32-bit loader runs 32-bit programs and builtins (cscript, regsvr32);
# the 64-bit loader runs their 64-bit counterparts.
WINE32=wine
WINE64=/usr/lib/wine/wine64

# wine_for ARCH: the loader that runs builtin programs of that architecture.
wine_for() { if [ "$1" = x86_64 ]; then echo "$WINE64"; else echo "$WINE32"; fi; }

# winpath FILE: the Windows path of a Unix file, through Wine's Z: drive.
winpath() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }
