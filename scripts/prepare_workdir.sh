#!/usr/bin/env bash
# Lays out a working folder (the program's installation folder) without touching what is there:
# only missing pieces are added, and the information text is placed only when the folder is new,
# so a user who deleted it does not see it again.
set -euo pipefail
# Usage: prepare_workdir.sh FOLDER [TEMPLATE]; the template defaults to the source tree's.
dir="$1"
template="${2:-$(cd "$(dirname "$0")/../data/template" && pwd)}"
new=0
[ -d "$dir" ] || new=1
mkdir -p "$dir/Tables" "$dir/EKA2015"
# Reference files are found without regard to case (WParams, Wparams, wParams).
params=$(find "$dir" -maxdepth 1 -type d -iname wparams | head -n 1)
[ -n "$params" ] || { params="$dir/WParams"; mkdir -p "$params"; }
for f in "$template"/WParams/*; do
  [ -e "$f" ] || continue
  if ! find "$params" -maxdepth 1 -iname "$(basename "$f")" | grep -q .; then
    cp "$f" "$params/"
  fi
done
if [ "$new" = 1 ] && [ -f "$template/Pro2015.rtf" ]; then
  cp "$template/Pro2015.rtf" "$dir/Pro2015.rtf"
fi
