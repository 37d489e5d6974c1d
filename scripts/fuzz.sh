#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang under the address and undefined-behaviour sanitizers
# and runs each for SECONDS, starting from its seeds in fuzz/corpus/<target>/. Prints the
# executions of every target and fails when one crashes, leaks, hangs or breaks a check; the input
# that did it is kept in build-fuzz/runs/<target>/crashes/.
#   scripts/fuzz.sh SECONDS [TARGET...]   run every target (or the ones named)
#   FUZZ_RUNS=N scripts/fuzz.sh SECONDS   stop each target after N executions (or SECONDS): a long run
#   FUZZ_JOBS=1 scripts/fuzz.sh SECONDS   one target at a time (default: two on two cores or more)
#   FUZZ_CONTINUE=1 ...                    go on with the kept corpus and count of an earlier part
#   FUZZ_WORKERS=N ...                     N processes per target on one shared corpus (FUZZ_RUNS split)
#   FUZZ_PART=S ...                        start the processes afresh every S seconds (a long run)
#   scripts/fuzz.sh --seeds               rewrite the seeds from the tests' builders (needs build-asan)
#   scripts/fuzz.sh --build [TARGET...]   only build (fuzz_all, or the CMake targets named: `all` adds
#                                         corvane-cli and the tests that need no widgets, as CI does)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --seeds ]; then
  cmake --build build-asan --target corvane-fuzz-seeds
  exec build-asan/bin/corvane-fuzz-seeds fuzz/corpus
fi
build_only=
if [ "${1:-}" = --build ]; then
  build_only=1
  shift
  build_targets=("$@")
  [ ${#build_targets[@]} -eq 0 ] && build_targets=(fuzz_all)
else
  seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
  shift
  targets=("$@")
  [ ${#targets[@]} -eq 0 ] && mapfile -t targets < <(ls fuzz/corpus)
  build_targets=(fuzz_all)
fi

strict=()
[ "${CI:-}" = true ] && strict=(-DCORVANE_WERROR=ON)
# -O1 keeps the runs fast; -g1 keeps the line tables the stacks need. Debug keeps Qt's and our
# assertions on. The build has no widgets: building all of it proves the core needs none.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DCORVANE_FUZZ=ON -DCORVANE_GUI=OFF -DCORVANE_TESTS=ON "${strict[@]}"
cmake --build build-fuzz --target "${build_targets[@]}"
[ -n "$build_only" ] && exit 0

# A long run keeps one frame of each allocation's stack, not thirty: recording them is most of what
# an input costs in the allocation-heavy readers. A crash's input is kept; running the target on
# it again gives the full stacks.
context=30
[ -n "${FUZZ_RUNS:-}" ] && context=1
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:malloc_context_size=$context"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# One target: its own corpus for new inputs (the committed seeds are only read), its log, and
# the line it prints.
fuzz_one() {
  local target=$1 run=build-fuzz/runs/$1 status=0 executions=0 started=$SECONDS
  # FUZZ_CONTINUE: a long run made in parts keeps its corpus and the executions of earlier parts.
  if [ -n "${FUZZ_CONTINUE:-}" ]; then
    executions=$(cat "$run/executions" 2>/dev/null || echo 0)
  else
    rm -rf "$run"
  fi
  mkdir -p "$run/corpus" "$run/crashes"
  local options=(-timeout=10 -print_final_stats=1 -artifact_prefix="$run/crashes/")
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  # Workers share the corpus folder: libFuzzer reloads it, so each sees what the others found.
  # A fuzzer process slows down as it ages (to a third of its first speed within half an hour
  # here), so FUZZ_PART starts them afresh on the kept corpus every so many seconds.
  local workers=${FUZZ_WORKERS:-1} part=${FUZZ_PART:-$seconds} worker pids log counted
  while :; do
    local time_left=$((seconds - (SECONDS - started))) this=()
    [ "$time_left" -gt 0 ] || break
    this=(-max_total_time="$((part < time_left ? part : time_left))")
    if [ -n "${FUZZ_RUNS:-}" ]; then
      local runs_left=$((FUZZ_RUNS - executions))
      [ "$runs_left" -gt 0 ] || break
      this+=(-runs="$(((runs_left + workers - 1) / workers))")
    fi
    pids=()
    rm -f "$run"/log.*
    for ((worker = 1; worker <= workers; worker++)); do
      log=$run/log; [ "$worker" -gt 1 ] && log=$run/log.$worker
      build-fuzz/bin/fuzz_"$target" "${options[@]}" "${this[@]}" "$run/corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1 &
      pids+=($!)
    done
    for worker in "${pids[@]}"; do wait "$worker" || status=$?; done
    for log in "$run"/log "$run"/log.*; do
      [ -f "$log" ] || continue
      counted=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
      # Stopped from outside: the last count the fuzzer printed.
      [ -z "$counted" ] && counted=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -1)
      executions=$((executions + ${counted:-0}))
    done
    [ -n "${FUZZ_CONTINUE:-}" ] && echo "$executions" >"$run/executions"
    [ "$status" -eq 0 ] && [ -n "${FUZZ_PART:-}" ] || break
  done
  if [ "$status" -eq 0 ]; then
    printf '%-16s %12s executions, no crash\n' "$target" "${executions:-?}" >"$run/result"
  else
    { printf '%-16s %12s executions, FAILED (exit %s):\n' "$target" "${executions:-?}" "$status"
      grep -hE 'ERROR|SUMMARY|check failed|runtime error|artifact' "$run"/log* | head -20; } >"$run/result"
  fi
  return "$status"
}

# FUZZ_JOBS targets at a time (default: one per core, at most two).
jobs=${FUZZ_JOBS:-$(($(nproc) > 1 ? 2 : 1))}
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait
failed=()
for target in "${targets[@]}"; do
  cat "build-fuzz/runs/$target/result"
  grep -q 'no crash$' "build-fuzz/runs/$target/result" || failed+=("$target")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing failed: ${failed[*]} (logs and inputs in build-fuzz/runs/)"
  exit 1
fi
