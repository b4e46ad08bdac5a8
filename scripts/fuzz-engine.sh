#!/usr/bin/env bash
# fuzz-engine.sh replay|run: the engine's platform-free part (the lexicon
# read from bytes, the suggester with its verb forms and run-together words)
# built natively with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, one program for each target of tests/engine/fuzz/.
#
#   replay  runs every target once over its seed corpus (seconds; make test)
#   run     fuzzes every target for FUZZ_SECONDS (default 300) from its seeds;
#           what it finds new stays in build/native/corpus/TARGET, and a
#           finding is written to build/native/findings/ and fails the run
#
# The suggestion target reads the lexicon the build made.
set -euo pipefail
source "$(dirname "$0")/env.sh"
mode=${1:-replay}
seconds=${FUZZ_SECONDS:-300}
fuzz=$VESTREL_ROOT/tests/engine/fuzz
out=$VESTREL_BUILD/native
lexicon=$VESTREL_BUILD/lexicon/es_ES.vlx
[ -f "$lexicon" ] || { echo "fuzz-engine: $lexicon is missing: run make build first" >&2; exit 1; }
export VESTREL_LEXICON=$lexicon
# A finding stops the program with its report; leaks count as findings.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer -I"$VESTREL_ROOT"
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
# The platform-free files: the link fails if one the suggester needs is missing.
engine=(lexicon suggester slip_costs suggestion_search run_together ranking verb_forms set_phrases)

# Objects are made again only when their source or a header changed.
mkdir -p "$out/obj"
newest_header=$(ls -t "$VESTREL_ROOT"/engine/*.h | head -1)
compile() {
  local source=$1 object=$2
  if [ ! -f "$object" ] || [ "$source" -nt "$object" ] || [ "$newest_header" -nt "$object" ]; then
    clang++ "${flags[@]}" -c "$source" -o "$object"
  fi
}
pids=()
for unit in "${engine[@]}"; do compile "$VESTREL_ROOT/engine/$unit.cpp" "$out/obj/$unit.o" & pids+=($!); done
for target in "$fuzz"/*_fuzzer.cpp; do
  name=$(basename "$target" .cpp)
  compile "$target" "$out/obj/$name.o" & pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

status=0
for target in "$fuzz"/*_fuzzer.cpp; do
  name=$(basename "$target" .cpp)
  objects=("$out/obj/$name.o")
  for unit in "${engine[@]}"; do objects+=("$out/obj/$unit.o"); done
  clang++ "${flags[@]}" "${objects[@]}" -o "$out/$name"
  seeds=$fuzz/corpus/${name%_fuzzer}
  if [ "$mode" = replay ]; then
    # Each seed once: a crash, a sanitizer report or a leak fails the run.
    if "$out/$name" -runs=1 "$seeds"/* >"$out/$name.log" 2>&1; then
      echo "$name: $(ls "$seeds" | wc -l) seeds, no finding"
    else
      tail -40 "$out/$name.log"; echo "$name: FAILED (log: $out/$name.log)"; status=1
    fi
  else
    mkdir -p "$out/corpus/$name" "$out/findings"
    if "$out/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
         -print_final_stats=1 -artifact_prefix="$out/findings/$name-" \
         "$out/corpus/$name" "$seeds" >"$out/$name.log" 2>&1; then
      runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log")
      echo "$name: $runs executions in $seconds s, no finding ($(ls "$out/corpus/$name" | wc -l) inputs kept)"
    else
      tail -60 "$out/$name.log"; echo "$name: FINDING (log: $out/$name.log; input in $out/findings/)"; status=1
    fi
  fi
done
exit $status
