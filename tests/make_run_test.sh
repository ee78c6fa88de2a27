#!/bin/sh
# `make run` without a display says so at once, before setting up or building anything.
src="$1"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u MAKELEVEL -u MAKEFLAGS -u MFLAGS timeout 60 make -C "$src" --no-print-directory run \
  BUILD="$out/build" >"$out/log" 2>&1
status=$?
cat "$out/log"
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || { echo "FAIL: exit status $status"; exit 1; }
grep -q "Vok needs a graphical display" "$out/log" || { echo "FAIL: no display message"; exit 1; }
[ "$(grep -vEc '^make(\[[0-9]+\])?: \*\*\*' "$out/log")" -eq 1 ] || { echo "FAIL: more than the message"; exit 1; }
[ ! -e "$out/build" ] || { echo "FAIL: a build was started"; exit 1; }
echo PASS
