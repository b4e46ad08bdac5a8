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

# wine_run ARCH PROGRAM [ARGS...]: runs a program with that architecture's
# loader, its output and errors together on stdout as they come, and ends
# with its exit status; a TERM or INT ends the program too. The program
# writes to a file that tail follows until the program is gone: a pipe
# would stay open while the prefix's background processes hold it. Now and
# then, on a busy machine, Wine's loader fails to start a builtin program
# (cscript, regsvr32) and hands it to start.exe, which says "Application
# could not be started": the program never ran, so it is started once more
# and start.exe's words are left out of the output.
wine_run() {
  local arch=$1 out status try program follower; shift
  out=$(mktemp)
  for try in 1 2; do
    : >"$out"
    "$(wine_for "$arch")" "$@" >"$out" 2>&1 &
    program=$!
    { tail -n +1 -s 0.1 -f --pid="$program" "$out" |
        LC_ALL=C grep --line-buffered -a -v -e '^Application could not be started' -e '^ShellExecuteEx failed'; } &
    follower=$!
    trap 'kill "$program" 2>/dev/null' TERM INT
    # A trapped signal ends the first wait early; the second sees the end.
    # (Written so that a caller's errexit does not end the function.)
    status=0; wait "$program" || status=$?
    if kill -0 "$program" 2>/dev/null; then status=0; wait "$program" || status=$?; fi
    trap - TERM INT
    wait "$follower" || true
    grep -q '^Application could not be started' "$out" || break
    echo "Wine did not start $1$([ "$try" = 1 ] && echo "; starting it again")" >&2
    [ "$try" = 2 ] || sleep 2
  done
  rm -f "$out"
  return "$status"
}

# runs_arch ARCH: whether this machine can run that architecture's programs.
# Some kernels are booted with 32-bit emulation off: the i686 build is then
# compiled but cannot be run here. VESTREL_ONLY_64=1 makes the scripts take
# this machine for such a one, to try those paths where 32-bit programs run.
runs_arch() {
  [ "$1" = x86_64 ] || { [ -z "${VESTREL_ONLY_64:-}" ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }
}

# running_archs: the architectures whose programs run here, primary first.
running_archs() { local a; for a in i686 x86_64; do runs_arch "$a" && echo "$a"; done; }


# winpath FILE: the Windows path of a Unix file, through Wine's Z: drive.
winpath() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }
