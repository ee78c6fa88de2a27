#!/usr/bin/env bash
# Vok as a user gets it: builds the Debian package and checks it (desktop entry, AppStream
# metadata, lintian), installs it with apt-get, starts `vok` from the PATH under Xvfb and waits for
# its main window, then under a headless sway (as an unprivileged user: sway refuses root), then
# purges the package and checks that nothing of it is left behind.
# The main window is found by its caption, "Vok 97" (before its first activation) or "Vok 97 v2.4",
# followed by the title the desktop adds. Needs root. --screenshot FILE keeps a picture of it
# under X11, --wayland-screenshot FILE under sway.
# No `grep -q` after a pipe: its early exit would fail the pipe under pipefail.
set -euo pipefail
cd "$(dirname "$0")/.."
shot=""
wlshot=""
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) shot="$(realpath -m "${2:?--screenshot needs a file}")"; shift 2 ;;
    --wayland-screenshot) wlshot="$(realpath -m "${2:?--wayland-screenshot needs a file}")"; shift 2 ;;
    *) echo "unknown option $1"; exit 1 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "install-check installs and removes a package: run it as root"; exit 1; }
if dpkg-query -W -f='${db:Status-Abbrev}' vok 2>/dev/null | grep -q '^i'; then
  echo "vok is installed already; remove it first so that the check cannot clobber it"; exit 1
fi
step() { printf '\n== %s\n' "$*"; }
tmp=$(mktemp -d)
run=""
pids=()
installed=0
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # A check that failed half-way must not leave the package installed.
  [ "$installed" -eq 0 ] || apt-get purge -y -q vok >/dev/null 2>&1 || true
  rm -rf "$tmp" ${run:+"$run"}
}
trap cleanup EXIT

step "Building the package"
# From the plain build's tree, which `make test` may have built already.
out=build
make --no-print-directory package BUILD="$out"
debs=("$out"/vok_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one package, got: ${debs[*]}"; exit 1; }
deb="${debs[0]}"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

step "desktop-file-validate"
desktop-file-validate "$out"/desktop/*.desktop && echo "no complaints"
step "appstreamcli validate --no-net"
appstreamcli validate --no-net "$out"/desktop/*.metainfo.xml
step "lintian"
lintian --fail-on error --info "$deb" && echo "lintian: no errors"

step "Fortification"
# Every object of the program and its precompiled header (not the tests'), the generated ones
# included, got the optimisation that fortifying needs.
grep '"command"' "$out"/compile_commands.json | grep -v -- '-c [^ ]*/tests/' > "$tmp/commands"
total=$(wc -l < "$tmp/commands")
fortified=$(grep -- ' -O2 ' "$tmp/commands" | grep -c -- ' -D_FORTIFY_SOURCE=3 ' || true)
[ "$total" -gt 0 ] && [ "$fortified" -eq "$total" ] ||
  { echo "only $fortified of $total objects built with -O2 -D_FORTIFY_SOURCE=3"; exit 1; }
echo "all $total objects built with -O2 -D_FORTIFY_SOURCE=3"

step "Installing"
# The package's dependencies first, so that the snapshot below holds them and every later
# difference is the package's own.
export DEBIAN_FRONTEND=noninteractive
apt-get satisfy -y -q "$(dpkg-deb -f "$deb" Depends)" >/dev/null
recommends=$(dpkg-deb -f "$deb" Recommends)
[ -z "$recommends" ] || apt-get satisfy -y -q "$recommends" >/dev/null
# What the package brings: its files, and the folders that hold them.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|' | grep -v '/$' > "$tmp/files"
xargs -n 1 dirname < "$tmp/files" | sort -u > "$tmp/folders"
listing() {
  while read -r d; do
    if [ -d "$d" ]; then find "$d" -mindepth 1 -maxdepth 1; else echo "absent: $d"; fi
  done < "$tmp/folders" | sort
}
listing > "$tmp/before"
installed=1
apt-get install -y -q "./$deb" | tail -n 3
dpkg -L vok
[ "$(command -v vok)" = /usr/bin/vok ] || { echo "vok is not on the PATH"; exit 1; }
nm -D --undefined-only /usr/bin/vok > "$tmp/imports"
# __stack_chk_fail is the stack protector's, not a fortified call.
grep -oE ' __[a-z0-9_]+_chk(@|$)' "$tmp/imports" | tr -d ' @' | sort -u > "$tmp/checked" || true
[ -s "$tmp/checked" ] || { echo "the installed program holds no fortified call"; exit 1; }
echo "fortified calls:$(tr '\n' ' ' < "$tmp/checked")"

step "vok --version and vok --help, without a display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM vok --version
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM vok --help

step "The installed translations: vok --version in German and in French"
for want in "de_DE.UTF-8:Lizenz GPL-3.0-or-later" "fr_FR.UTF-8:Licence GPL-3.0-or-later"; do
  dpkg -L vok | grep -x "/usr/share/vok/translations/vok_${want:0:2}.qm" >/dev/null ||
    { echo "the package has no vok_${want:0:2}.qm"; exit 1; }
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
         LANG="${want%%:*}" vok --version)
  case "$said" in
    *"${want#*:}"*) echo "${want%%:*}: $(sed -n 2p <<<"$said")" ;;
    *) echo "vok --version under LANG=${want%%:*} is not translated: $said"; exit 1 ;;
  esac
done

step "Starting vok under Xvfb"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { cat "$tmp/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$tmp/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the window manager is up may never be managed: wait for it.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id' >/dev/null && break
  sleep 0.1
done
mkdir -p "$tmp/home"
(cd "$tmp/home" && exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY HOME="$tmp/home" \
   XDG_CONFIG_HOME="$tmp/home/.config" vok >"$tmp/vok.log" 2>&1) &
vok_pid=$!
pids+=("$vok_pid")
win=""
for _ in $(seq 300); do
  win=$(xwininfo -root -tree 2>/dev/null | awk '/"Vok 97( v[0-9.]+)? — / && !w {w = $1} END {print w}')
  [ -n "$win" ] && xwininfo -id "$win" | grep 'IsViewable' >/dev/null && break
  win=""
  if ! kill -0 "$vok_pid" 2>/dev/null; then
    status=0
    wait "$vok_pid" || status=$?
    cat "$tmp/vok.log"; echo "vok ended with status $status before its window appeared"; exit 1
  fi
  sleep 0.1
done
if [ -z "$win" ]; then
  cat "$tmp/vok.log"
  xwininfo -root -tree
  echo "the main window did not appear"; exit 1
fi
xwininfo -id "$win" | grep -E 'xwininfo|Width|Height|Map State'
xprop -id "$win" _NET_WM_ICON | grep 'Icon (48 x 48)' >/dev/null || { echo "the window has no icon"; exit 1; }
echo "window icon set"
if [ -n "$shot" ]; then
  sleep 1
  # With the frame, which shows the window icon.
  import -frame -window "$win" "$shot" && echo "screenshot: $shot"
fi
kill "$vok_pid"
wait "$vok_pid" 2>/dev/null || true
unset DISPLAY

step "Starting vok under a headless sway"
user=vok-test-other
getent passwd "$user" >/dev/null ||
  useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
# The user's own runtime folder, beside the check's, which that user cannot enter.
run=$(mktemp -d)
chown "$user:" "$run"
printf 'xwayland disable\n' > "$run/config"
as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups env -i PATH=/usr/bin:/bin
         HOME="$run" XDG_RUNTIME_DIR="$run" XDG_CONFIG_HOME="$run/config.d" LANG=C.UTF-8)
"${as_user[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$run/config" >"$tmp/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  ls "$run"/sway-ipc.*.sock >/dev/null 2>&1 && [ -S "$run/wayland-1" ] && break
  sleep 0.1
done
[ -S "$run/wayland-1" ] || { cat "$tmp/sway.log"; echo "sway did not start"; exit 1; }
sock=$(ls "$run"/sway-ipc.*.sock)
# A Wayland session as a login manager starts it: no X display at all.
in_session=("${as_user[@]}" WAYLAND_DISPLAY=wayland-1 XDG_SESSION_TYPE=wayland SWAYSOCK="$sock")
(cd "$run" && exec "${in_session[@]}" vok >"$tmp/vok-wayland.log" 2>&1) &
vok_pid=$!
pids+=("$vok_pid")
shown=""
for _ in $(seq 300); do
  # A command with criteria succeeds only when a window matches them.
  "${in_session[@]}" swaymsg '[app_id="^org\.example\.Vok$" shell="xdg_shell" title="^Vok 97"] nop' \
    >/dev/null 2>&1 && shown=yes
  [ -n "$shown" ] && break
  kill -0 "$vok_pid" 2>/dev/null || { cat "$tmp/vok-wayland.log"; echo "vok ended before its window appeared"; exit 1; }
  sleep 0.1
done
[ -n "$shown" ] || { cat "$tmp/vok-wayland.log"; echo "the main window did not appear under sway"; exit 1; }
echo "sway shows the main window as a Wayland client (xdg_shell)"
if [ -n "$wlshot" ]; then
  sleep 1
  "${in_session[@]}" grim "$run/shot.png" && cp "$run/shot.png" "$wlshot" && echo "screenshot: $wlshot"
fi
kill "$vok_pid"
wait "$vok_pid" 2>/dev/null || true

step "Removing"
apt-get purge -y -q vok | tail -n 2
installed=0
if dpkg-query -W -f='${db:Status-Abbrev}' vok 2>/dev/null | grep -q '^[ic]'; then
  echo "vok is still known to dpkg"; exit 1
fi
listing > "$tmp/after"
if ! diff "$tmp/before" "$tmp/after"; then
  echo "the install left these changes behind (> added, < removed)"; exit 1
fi
echo "no leftovers"
echo "install check: 2 passed, 0 failed"
