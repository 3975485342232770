#!/usr/bin/env bash
# The PDFs of two builds side by side, each written by a fresh process: size, wall time (the
# median of RUNS), pictures inside. Usage: pdf_side_by_side.sh OLD_CLI NEW_CLI [RUNS]
# The declarations are the print tests' samples, built by each program itself.
set -euo pipefail
old="$(realpath "$1")"
new="$(realpath "$2")"
runs="${3:-5}"
here="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sample() {  # the JSON text of a sample constant of the tests' header
  awk -v name="$1" '$0 ~ name" = R\"\\(" {on = 1; sub(/.*R"\(/, ""); } on && /\)";/ {sub(/\)";.*/, ""); print; exit} on {print}' \
    "$here/tests/gui/test_print_sample.h"
}
sample kPrintSampleE1 >"$work/e1.json"
sample kPrintSampleE2 >"$work/e2.json"

# name | arguments after "pdf" (FILE1 is the E1 declaration, FILE2 the E2 statement)
cases=(
  "E1, 4 pages|e1 --file FILE1"
  "E1 colour, 2 pages|e1 --file FILE1 --pages 1,2 --color"
  "E1 A3, 2 sheets|e1 --file FILE1 --a3"
  "E2, 2 pages|e2 --file FILE2"
  "cars list|cars --file FILE1"
  "clearance note|clearance --file FILE1"
)

measure() {  # CLI DIR ARGS... -> "bytes ms pictures"
  local cli="$1" dir="$2"
  shift 2
  local times=()
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s%N)
    (cd "$dir" && "$cli" pdf "$@" --out out.pdf >/dev/null)
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
  done
  local median
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
  echo "$(stat -c %s "$dir/out.pdf") $median $(pdfimages -list "$dir/out.pdf" | tail -n +3 | wc -l)"
}

for side in old new; do
  mkdir -p "$work/$side"
  cli="${!side}"
  (cd "$work/$side" && "$cli" build --kind e1 --out E1.dta <"$work/e1.json" && "$cli" build --kind e2 --out E2.dta <"$work/e2.json")
done

printf '%-20s %12s %8s %5s   %12s %8s %5s\n' "" "old bytes" "old ms" "pics" "new bytes" "new ms" "pics"
for c in "${cases[@]}"; do
  name="${c%%|*}"
  args="${c#*|}"
  args="${args/FILE1/E1.dta}"
  args="${args/FILE2/E2.dta}"
  # shellcheck disable=SC2086
  read -r ob ot op <<<"$(measure "$old" "$work/old" $args)"
  # shellcheck disable=SC2086
  read -r nb nt np <<<"$(measure "$new" "$work/new" $args)"
  printf '%-20s %12s %8s %5s   %12s %8s %5s\n' "$name" "$ob" "$ot" "$op" "$nb" "$nt" "$np"
done
