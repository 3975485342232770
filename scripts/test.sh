#!/usr/bin/env bash
# Installs what is missing, builds everything, fuzzes the readers of outside input for a bounded
# time (FUZZ_SECONDS per target, 10 by default; 0 skips it) and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
seconds="${FUZZ_SECONDS:-10}"
if [ "$seconds" != 0 ]; then
  bash "$root/scripts/fuzz.sh" "$seconds"
fi
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
