#!/usr/bin/env bash
# Configures the build tree $1 (SANITIZE=1 in $2: with AddressSanitizer and UBSan), with Ninja and
# ccache where they are installed (set-up installs both). The plain tree gets Debian's build flags
# with all hardening, so that `make package` packs the very objects that `make test` tested.
# Fortify level 3 checks calls into buffers whose size is known only at run time; level 2 finds
# none in Vok.
set -euo pipefail
build="${1:?configure.sh needs a build folder}"
sanitize="${2:-0}"
args=()
# A tree keeps the generator it was made with.
if [ ! -e "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then args+=(-G Ninja); fi
if command -v ccache >/dev/null; then args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ "$sanitize" = 1 ]; then
  # -O1, as the sanitizers' authors advise, and line tables for their reports: the tree is for
  # finding faults, and compiles faster than at -O2 -g.
  args+=(-DVOK_SANITIZE=ON -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=-O1 -g1 -DNDEBUG"
         "-DCMAKE_C_FLAGS=-O1 -g1 -DNDEBUG")
else
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  # The C of the generated Wayland protocol code is the program's too.
  cppflags=$(dpkg-buildflags --get CPPFLAGS | sed 's/_FORTIFY_SOURCE=2/_FORTIFY_SOURCE=3/')
  args+=(-DVOK_SANITIZE=OFF -DCMAKE_BUILD_TYPE=None -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
         "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $cppflags"
         "-DCMAKE_C_FLAGS=$(dpkg-buildflags --get CFLAGS) $cppflags"
         "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)")
fi
cmake -S . -B "$build" "${args[@]}" >/dev/null
