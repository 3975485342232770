#!/usr/bin/env bash
# Time from starting the program to its main window being shown (no version check), under Xvfb.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (needs xvfb-run and xdotool)
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
runs="${2:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Tables"
cd "$work"
xvfb-run -a -s "-screen 0 1400x900x24" bash -c '
  for i in $(seq 1 '"$runs"'); do
    start=$(date +%s%N)
    "'"$build"'/dovazez" & pid=$!
    until xdotool search --onlyvisible --name "DOVAZEZ 2015" >/dev/null 2>&1; do sleep 0.005; done
    echo "main window shown after $(( ($(date +%s%N) - start) / 1000000 )) ms"
    kill $pid; wait $pid 2>/dev/null || true
  done'
