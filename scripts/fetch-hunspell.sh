#!/usr/bin/env bash
# Unpacks Debian's hunspell source package (with Debian's patches) into the
# build folder; the cross compiler builds it from there. Nothing of it is
# committed.
set -euo pipefail
source "$(dirname "$0")/env.sh"
dest=$VESTREL_BUILD/third_party/hunspell
[ -f "$dest/src/hunspell/hunspell.cxx" ] && exit 0
work=$VESTREL_BUILD/third_party/download
rm -rf "$work" "$dest"; mkdir -p "$work"
cd "$work"
apt-get source -qq --download-only hunspell >/dev/null 2>&1 || {
  echo "fetch-hunspell: 'apt-get source hunspell' failed (is there a deb-src entry? run scripts/setup.sh)" >&2
  exit 1
}
dpkg-source -x --no-check ./hunspell_*.dsc "$dest" >/dev/null
rm -rf "$work"
