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
)
src_list=/etc/apt/sources.list.d/vestrel-deb-src.sources

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Hunspell is built from Debian's source package, which needs a deb-src entry.
has_src() { grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; }

[ ${#missing[@]} -eq 0 ] && has_src && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]:-deb-src entry}); run as root" >&2
  exit 1
fi
echo "setup: installing ${missing[*]:-the deb-src entry}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
if ! has_src; then
  # The same suites as the binary entries, for source packages.
  suites=$(grep -rhsE '^Suites:' /etc/apt/sources.list.d/*.sources | head -1 | cut -d: -f2- | xargs)
  [ -n "$suites" ] || suites="$(. /etc/os-release; echo "$VERSION_CODENAME $VERSION_CODENAME-updates")"
  cat > "$src_list" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suites
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
