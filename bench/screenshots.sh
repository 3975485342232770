#!/usr/bin/env bash
# Pictures of the E1 window's pages (top and bottom of each, a few boxes filled in) for a person
# to look at; nothing is checked. Builds the picture program when needed.
# Usage: bench/screenshots.sh [BUILD_DIR] [OUT_DIR]   (OUT_DIR defaults to BUILD_DIR/screenshots)
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
out="${2:-$build/screenshots}"
cmake --build "$build" --target e1_screens >/dev/null
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/e1_screens" "$out"
