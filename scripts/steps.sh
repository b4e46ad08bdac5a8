# Sourced by the set-up scripts: every failure ends with one line naming the
# step and what to do. `on STEP HINT` before each step; a command that fails
# after that ends the script with "setup: STEP failed (exit N): HINT".
step=
hint=
on() { step=$1; hint=$2; }
failed() { echo "setup: $step failed (exit $1): $hint" >&2; exit "$1"; }
trap 'status=$?; [ -z "$step" ] || failed "$status"' ERR
