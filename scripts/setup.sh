#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on a Debian 12 machine,
# as root. Idempotent and quiet when everything is already there. Every
# failure ends with one line naming the step and what to do.
#
#   setup.sh                        install what is missing
#   setup.sh derive-sources CODENAME   print the deb-src entries it would add
#
# VESTREL_APT_DIR (default /etc/apt) is the apt configuration folder read and
# written; the tests point it at fixtures of the machine layouts.
set -euo pipefail
shopt -s nullglob

apt_dir=${VESTREL_APT_DIR:-/etc/apt}
packages=(
  cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  libwine-dev wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick
  hunspell hunspell-es googletest dpkg-dev xz-utils python3
  fortunes-es manpages-es sword-text-sparv
  wspanish nuspell aspell aspell-es
  wixl mono-mcs libmono-microsoft-csharp4.0-cil xdotool
  clang libclang-rt-14-dev
)
src_list=$apt_dir/sources.list.d/vestrel-deb-src.sources

source "$(dirname "$0")/steps.sh"

# The apt entry files of each kind in the configuration folder; any of them
# may be absent (Debian's container images have deb822 entries only).
one_line_files() { local f; for f in "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.list; do [ -f "$f" ] && echo "$f"; done; return 0; }
deb822_files() { local f; for f in "$apt_dir"/sources.list.d/*.sources; do [ -f "$f" ] && echo "$f"; done; return 0; }

# Hunspell is built from Debian's source package, which needs a deb-src entry.
has_src() {
  local f
  for f in $(deb822_files); do
    awk 'BEGIN { RS = ""; FS = "\n"; found = 1 }
      { types = 0; enabled = 1
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:.*deb-src/) types = 1
          if (tolower($i) ~ /^enabled:[ \t]*no/) enabled = 0
        }
        if (types && enabled) found = 0 }
      END { exit found }' "$f" && return 0
  done
  for f in $(one_line_files); do grep -qE '^[ \t]*deb-src[ \t]' "$f" && return 0; done
  return 1
}

# derive_sources CODENAME: a deb-src entry for each enabled binary entry of
# the machine whose suites belong to that release (CODENAME, CODENAME-updates,
# CODENAME-security ...), with its URIs, components and keyring; entries of
# other vendors' archives are left alone.
derive_sources() {
  local codename=$1 file
  for file in $(deb822_files); do
    awk -v release="$codename" 'BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; suites = ""; enabled = "yes"; rest = ""
        for (i = 1; i <= NF; i++) {
          line = $i
          if (line ~ /^#/) continue
          if (line ~ /^Types:/) { types = line; continue }
          if (line ~ /^Enabled:/) { enabled = tolower(line); sub(/^enabled:[ \t]*/, "", enabled); continue }
          if (line ~ /^Suites:/) { suites = line; sub(/^Suites:[ \t]*/, "", suites); continue }
          rest = rest line "\n"
        }
        if (enabled == "no" || types !~ /(^|[ \t:])deb([ \t]|$)/) next
        n = split(suites, list, /[ \t]+/); kept = ""
        for (i = 1; i <= n; i++)
          if (list[i] == release || index(list[i], release "-") == 1) kept = kept (kept == "" ? "" : " ") list[i]
        if (kept == "") next
        printf "Types: deb-src\nSuites: %s\n%s\n", kept, rest
      }' "$file"
  done
  # One-line entries: deb [options] URI SUITE COMPONENT...
  for file in $(one_line_files); do
    awk -v release="$codename" '$1 == "deb" {
        suite = $3
        if ($2 ~ /^\[/) { for (i = 2; i <= NF && $i !~ /\]$/; i++); suite = $(i + 2) }
        if (suite == release || index(suite, release "-") == 1) { $1 = "deb-src"; print }
      }' "$file"
  done
}

codename() { (. "${VESTREL_OS_RELEASE:-/etc/os-release}"; echo "$VERSION_CODENAME"); }

if [ "${1:-}" = derive-sources ]; then
  derive_sources "${2:-$(codename)}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && has_src && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]:-deb-src entry}); run as root" >&2
  exit 1
fi
echo "setup: installing ${missing[*]:-the deb-src entry}"
release=$(codename)
on "adding the i386 architecture" "run 'dpkg --add-architecture i386' by hand and look at what it says"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
if ! has_src; then
  # Source entries beside the machine's own binary ones for this release
  # (their archive, mirror or proxy, suites, components and keyring).
  on "writing the deb-src entry" "check that $apt_dir/sources.list.d is writable"
  derive_sources "$release" > "$src_list.new"
  if [ ! -s "$src_list.new" ]; then
    rm -f "$src_list.new"
    echo "setup: no enabled apt entry for $release to take deb-src entries from: add a 'deb' entry for $release to $apt_dir/sources.list.d" >&2
    exit 1
  fi
  mv "$src_list.new" "$src_list"
fi

# A mirror caught mid-sync fails one index now and then: once more after a
# pause. If it still fails, the lists there are may hold newer security
# versions for one architecture than for the other, and apt then refuses the
# i386 twins of installed amd64 libraries; installing with the release's own
# suite as target keeps both architectures on the same versions.
target=()
on "apt-get update" "check the network and the entries in $apt_dir"
if ! apt-get update -qq; then
  sleep "${VESTREL_APT_RETRY_PAUSE:-20}"
  if ! apt-get update -qq; then
    echo "setup: apt-get update failed for some lists; installing with $release itself as target release" >&2
    target=(-t "$release")
  fi
fi
on "apt-get install" "run 'apt-get install ${missing[*]}' to see which package cannot be had, then run make again"
log=$(mktemp)
status=0
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${target[@]}" "${packages[@]}" \
  >"$log" 2>&1 || status=$?
# apt's own words on what it could not do, then the step's line.
[ "$status" -eq 0 ] || tail -n 20 "$log" >&2
rm -f "$log"
[ "$status" -eq 0 ] || failed "$status"
