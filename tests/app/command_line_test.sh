#!/bin/sh
# The program's answers to its arguments, where no display exists.
vok="$1"
version="$2"
manual="$3"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; cat "$out/stdout" "$out/stderr"; exit 1; }
run() {
  timeout 20 "$vok" "$@" >"$out/stdout" 2>"$out/stderr"
  status=$?
}
[ -z "$DISPLAY$WAYLAND_DISPLAY$QT_QPA_PLATFORM" ] || fail "a display is set"

for opt in --help -h; do
  run "$opt"
  [ "$status" -eq 0 ] || fail "$opt: exit status $status"
  grep -q "^Usage: .*vok \[options\]" "$out/stdout" || fail "$opt: no usage line"
  grep -q -- "-v, --version" "$out/stdout" || fail "$opt: --version not listed"
  ! grep -q -- "--help-all" "$out/stdout" || fail "$opt: lists Qt's options, which are refused"
  [ ! -s "$out/stderr" ] || fail "$opt: wrote to stderr"
done

for opt in --version -v; do
  run "$opt"
  [ "$status" -eq 0 ] || fail "$opt: exit status $status"
  [ "$(head -n 1 "$out/stdout")" = "Vok 97 v$version" ] || fail "$opt: wrong first line"
  grep -q "GPL-3.0-or-later" "$out/stdout" || fail "$opt: no licence"
  [ ! -s "$out/stderr" ] || fail "$opt: wrote to stderr"
done

# Every other argument is refused before a window is tried, alone or next to a good one.
bad_byte=$(printf 'name\377')
for args in "--bogus" "-x" "file.txt" "--version=3" "--help --bogus" "-platform offscreen" \
            "-- --help" "$bad_byte"; do
  # shellcheck disable=SC2086
  run $args
  [ "$status" -eq 2 ] || fail "'$args': exit status $status, not 2"
  [ ! -s "$out/stdout" ] || fail "'$args': wrote to stdout"
  grep -q "^vok: " "$out/stderr" || fail "'$args': no message"
  grep -q -- "--help" "$out/stderr" || fail "'$args': the message does not name --help"
done

# Without a display, or with one that cannot be opened, a message and the manual's status 3,
# never Qt's abort and its advice to reinstall.
grep -A1 -x '\.B 3' "$manual" | grep -q display || fail "the manual page names no status 3"
for platform in "" xcb; do
  env ${platform:+QT_QPA_PLATFORM=$platform} timeout 20 "$vok" >"$out/stdout" 2>"$out/stderr"
  status=$?
  [ "$status" -eq 3 ] || fail "no display ($platform): exit status $status, not 3"
  grep -q "^vok: Vok needs a graphical display" "$out/stderr" || fail "no display ($platform): no message"
  ! grep -q "Reinstalling" "$out/stderr" || fail "no display ($platform): Qt's abort"
done

# An answer that cannot be written is a failure, not a success.
if [ -w /dev/full ]; then
  timeout 20 "$vok" --version >/dev/full 2>"$out/stderr"
  status=$?
  [ "$status" -eq 1 ] || fail "--version into a full disk: exit status $status"
fi
echo PASS
