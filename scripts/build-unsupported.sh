#!/usr/bin/env bash
# Builds the program on the stub platform (platform/unsupported/, which finds nothing) to show
# that nothing Linux-only leaks into the core: code outside platform/linux/ includes no system
# header and no header of the Linux folder, names no /proc or /sys path, and the program links
# without the Linux folder. Link only; nothing is run. (A tree configured with
# -DVOK_PLATFORM=unsupported builds the whole program on the stub, as on a system with no folder.)
set -euo pipefail
cd "$(dirname "$0")/.."
core=(app main controls diskscreens memscreens platform/*.h platform/*.cpp platform/unsupported)
if grep -rnE --include='*.cpp' --include='*.h' \
  -e '#include *(<[^>]*\.h>|"platform/linux/)' -e '"/(proc|sys)(/|")' "${core[@]}"; then
  echo "build-unsupported: the lines above reach Linux outside platform/linux/" >&2
  exit 1
fi
# The plain tree's own core libraries, linked with the stub: only the stub is compiled here.
BUILD=${BUILD:-build}
[ -e "$BUILD/CMakeCache.txt" ] || scripts/configure.sh "$BUILD"
cmake --build "$BUILD" -j "$(nproc)" --target vok_on_stub
