#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (or FUZZ_SECONDS; default 20 s)
# Needs clang++ and libFuzzer (Debian: clang libclang-rt-14-dev). Exits non-zero when a target
# crashes, leaks, times out or breaks one of its properties; the input is kept under
# build-fuzz/crashes/<target>/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-20}}
shift || true
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
jobs=${FUZZ_JOBS:-2}
all_targets=(e1_image e2_image record_json amount_text doys_file rtf_reader)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "fuzz.sh: the time per target must be a whole number of seconds, not '$seconds'" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (Debian: apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$jobs" --target $(printf 'fuzz_%s ' "${targets[@]}")

failed=()
for target in "${targets[@]}"; do
  # New inputs go to the build folder's corpus; the seeds in the source tree are only read.
  corpus="$build/corpus/$target"
  crashes="$build/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  dict=()
  [ -f "$root/fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
  echo "== fuzz_$target: $seconds s"
  if ! "$build/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" "${dict[@]}" \
      -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=16384 \
      -artifact_prefix="$crashes/" -print_final_stats=1 >"$build/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 40 "$build/$target.log" >&2
  fi
  grep -E '^stat::number_of_executed_units|^Done [0-9]+ runs' "$build/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: failed: ${failed[*]} (inputs under $build/crashes/)" >&2
  exit 1
fi
echo "fuzz.sh: no target failed"
