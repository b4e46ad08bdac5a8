#!/usr/bin/env bash
# host_script.sh ARCH SCRIPT: runs a host script (wine cscript: VBScript,
# with the shared Expect routine of expect.vbs appended, or JScript) or
# a host program (a .exe) of that architecture with the built-in engine,
# answering its message boxes;
# it passes when the script reports no failure (or, with VERDICT set, when
# a line of its output matches that pattern). With BOXES_FILE set, the
# boxes answered (title|text, a line each) are left in that file. Further
# arguments go to the script.
set -uo pipefail
source "$(dirname "$0")/../../scripts/env.sh"
source "$(dirname "$0")/../support/checks.sh"
arch=$1
script=$2
shift 2
bin=$VESTREL_BUILD/$arch/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$(dirname "$0")/../../scripts/register.sh" "$arch" >/dev/null 2>&1 || { echo "registration failed"; exit 1; }
wine_run "$arch" "$bin/answer_boxes.exe" "$(winpath "$work")\\boxes.txt" "$(winpath "$work")\\stop" 60 &
answerer=$!
# The answerer watches from the moment its log exists, which is looked for
# every tenth of a second (the file system tells the shell nothing).
for _ in $(seq 600); do [ -e "$work/boxes.txt" ] && break; kill -0 "$answerer" 2>/dev/null || break; sleep 0.1; done
[ -e "$work/boxes.txt" ] || { echo "the box answerer did not start"; exit 1; }
case $script in
  *.exe) output=$(VESTREL_ENGINE=builtin wine_run "$arch" "$script" "$@") ;;
  *.vbs) output=$(VESTREL_ENGINE=builtin wine_run "$arch" cscript //nologo "$(winpath "$(host_vbs "$script" "$work")")" "$@") ;;
  *) output=$(VESTREL_ENGINE=builtin wine_run "$arch" cscript //nologo "$(winpath "$script")" "$@") ;;
esac
status=$?
echo "$output"
touch "$work/stop"
wait $answerer
if [ -n "${BOXES_FILE:-}" ]; then cp "$work/boxes.txt" "$BOXES_FILE"; fi
echo "$output" | grep -qE "${VERDICT:-^[a-z_]+: [0-9]+ passed, 0 failed}" || status=1
exit $status
