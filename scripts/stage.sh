#!/usr/bin/env bash
# stage [--log NAME] TITLE COMMAND...: runs one stage of the front door,
# with a line when it starts and its time when it ends. With --log the
# command's output goes to build/logs/NAME.log, and a failure shows its last
# lines; without, the output is shown as it comes. The command's exit status
# is the stage's.
# Sourced, it defines the function; run, it runs one stage.
stage() {
  local log= title status start=$SECONDS
  if [ "$1" = --log ]; then
    log=${VESTREL_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}/logs/$2.log
    shift 2
    mkdir -p "$(dirname "$log")"
  fi
  title=$1; shift
  echo "== $title ..."
  if [ -n "$log" ]; then "$@" >"$log" 2>&1; else "$@"; fi
  status=$?
  if [ "$status" -eq 0 ]; then
    echo "== $title: $((SECONDS - start)) s"
  else
    echo "== $title: FAILED after $((SECONDS - start)) s (exit $status)" >&2
    if [ -n "$log" ]; then
      echo "-- the last lines of $log:" >&2
      tail -n 40 "$log" >&2
    fi
  fi
  return "$status"
}
if [ "${BASH_SOURCE[0]}" = "$0" ]; then stage "$@"; fi
