#!/usr/bin/env bash
# The installed layout and the first start in a user's folder: programs, template, desktop entry,
# and a working folder that only ever gains what it lacks.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
for f in bin/dovazez bin/dovazez-cli bin/dovazez-start share/dovazez/prepare_workdir.sh \
         share/dovazez/template/WParams/Doys.txt share/dovazez/template/Pro2015.rtf \
         share/applications/dovazez.desktop share/icons/hicolor/scalable/apps/dovazez.svg; do
  [ -e "$root/$f" ] || fail "$f is not installed"
done
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$root/share/applications/dovazez.desktop"; fi

prepare="$root/share/dovazez/prepare_workdir.sh"
user="$work/home/dovazez"
bash "$prepare" "$user" "$root/share/dovazez/template"
for d in Tables EKA2015 WParams/Doys.txt Pro2015.rtf; do [ -e "$user/$d" ] || fail "first start lacks $d"; done

# A second start keeps the user's files, adds what is missing and never brings back the
# information text that the user turned off.
echo "mine" > "$user/Tables/E1123456783.dta"
echo "my offices" > "$user/WParams/Doys.txt"
rm "$user/Pro2015.rtf" "$user/EKA2015" -r
bash "$prepare" "$user" "$root/share/dovazez/template"
[ "$(cat "$user/Tables/E1123456783.dta")" = mine ] || fail "a declaration was overwritten"
[ "$(cat "$user/WParams/Doys.txt")" = "my offices" ] || fail "the office list was overwritten"
[ ! -e "$user/Pro2015.rtf" ] || fail "the information text came back"
[ -d "$user/EKA2015" ] || fail "a missing folder was not added"

# A folder named in another case is the same reference folder.
other="$work/other"
mkdir -p "$other/wparams"
bash "$prepare" "$other" "$root/share/dovazez/template"
[ -e "$other/wparams/Doys.txt" ] && [ ! -e "$other/WParams" ] || fail "wparams not recognised"
echo "1 passed, 0 failed"
