# Sourced by the shell tests: numbered checks that print a failure's output.
passed=0; failed=0; check_out=""
check() {  # check DESCRIPTION COMMAND...
  check_out=${check_out:-$(mktemp)}
  if "${@:2}" >"$check_out" 2>&1; then passed=$((passed+1)); else
    failed=$((failed+1)); echo "FAILED: $1"; cat "$check_out"; fi
}
fails() { ! "$@"; }
# The identifiers the type library declares, as one pattern.
own_ids() { grep -oiE '[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}' "$(dirname "${BASH_SOURCE[0]}")/../../resources/vestrel.idl" | sort -u | paste -sd'|'; }
# host_vbs SCRIPT FOLDER: the host script with the shared Expect routine
# appended (Wine's script host runs no .wsf and no ExecuteGlobal, so the
# routine cannot be included), written into FOLDER; prints its path.
host_vbs() {
  local joined=$2/$(basename "$1")
  cat "$1" "$(dirname "${BASH_SOURCE[0]}")/../hosts/expect.vbs" > "$joined"
  echo "$joined"
}
# every_class ARCH SCRIPT ok|absent: create_all.vbs (as host_vbs joined it)
# under that architecture's script host. Wine's cscript exits 0 even when
# the script does not parse: the verdict is the script's own closing line.
every_class() {
  wine_run "$1" cscript //nologo "$2" "$3" | tee /dev/stderr | grep -qE '^create_all: [0-9]+ passed, 0 failed'
}
