#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on a Debian 12 machine,
# as root. Idempotent and quiet when everything is already there.
set -euo pipefail

packages=(
  cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  libwine-dev wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick
  hunspell hunspell-es googletest dpkg-dev xz-utils python3
  fortunes-es manpages-es sword-text-sparv
  wspanish nuspell aspell aspell-es
  wixl
)
src_list=/etc/apt/sources.list.d/vestrel-deb-src.sources

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Hunspell is built from Debian's source package, which needs a deb-src entry.
has_src() { grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; }

# derive_sources CODENAME: a deb-src stanza for each enabled binary entry of
# the machine whose suites belong to that release (CODENAME, CODENAME-updates,
# CODENAME-security ...), with its URIs, components and keyring; entries of
# other vendors' archives are left alone.
derive_sources() {
  local codename=$1 file
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
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
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk -v release="$codename" '$1 == "deb" {
        suite = ($2 ~ /^\[/) ? "" : $3
        if ($2 ~ /^\[/) { for (i = 2; i <= NF && $i !~ /\]$/; i++); suite = $(i + 2) }
        if (suite == release || index(suite, release "-") == 1) { $1 = "deb-src"; print }
      }'
}

[ ${#missing[@]} -eq 0 ] && has_src && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]:-deb-src entry}); run as root" >&2
  exit 1
fi
echo "setup: installing ${missing[*]:-the deb-src entry}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
if ! has_src; then
  # Source entries beside the machine's own binary ones for this release
  # (their archive, mirror or proxy, suites, components and keyring).
  codename=$(. /etc/os-release; echo "$VERSION_CODENAME")
  derive_sources "$codename" > "$src_list"
  [ -s "$src_list" ] || { rm -f "$src_list"; echo "setup: no apt entry for $codename to take sources from" >&2; exit 1; }
fi
# A mirror caught mid-sync fails one index now and then: once more after a
# pause, then install from the lists there are (the install says if a
# package is still missing).
apt-get update -qq || { sleep 20; apt-get update -qq; } ||
  echo "setup: apt-get update failed for some lists; installing from those it has" >&2
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
