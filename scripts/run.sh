#!/usr/bin/env bash
# Installs what is missing, builds, prepares the working folder and starts the program in it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh" --target dovazez dovazez-cli
workdir="${DOVAZEZ_WORKDIR:-$root/workdir}"
bash "$root/scripts/prepare_workdir.sh" "$workdir"
cd "$workdir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting the program on a virtual X server (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$root/build/dovazez"
fi
exec "$root/build/dovazez"
