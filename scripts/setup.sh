#!/usr/bin/env bash
# Installs the Debian packages Vok needs to build, test and run. As root it installs what is
# missing; otherwise it prints the one command that would. With --package, also what building and
# checking the Debian package needs.
set -euo pipefail
# dpkg-dev gives the plain build Debian's flags (dpkg-buildflags). The Wayland protocols' XML
# becomes client code at build time; sway, grim and foot are the tests' compositor, camera and
# window; fd-find and gdu are what the bench compares the walks with; qt6-translations-l10n
# gives Qt's own dialogs the user's language, and qt6-l10n-tools compiles Vok's (lrelease).
packages=(make cmake ninja-build ccache lld g++ dpkg-dev qt6-base-dev qt6-base-dev-tools libgl-dev
          qt6-qpa-plugins fonts-liberation xvfb xauth x11-utils imagemagick libxcb1-dev pkg-config
          openbox wmctrl desktop-file-utils appstream dbus-daemon at-spi2-core xdotool
          qt6-wayland libwayland-dev libwayland-bin wayland-protocols plasma-wayland-protocols
          sway grim foot fd-find gdu qt6-translations-l10n qt6-l10n-tools)
[ "${1:-}" = "--package" ] && packages+=(file lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Vok needs these packages; install them with:"
  echo "sudo apt-get install ${missing[*]}"
  exit 1
fi
