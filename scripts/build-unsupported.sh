#!/usr/bin/env bash
# Builds the program on the stub platform (platform/unsupported/, which finds nothing) to show
# that nothing Linux-only leaks into the core: code outside platform/linux/ includes no system
# header and no header of the Linux folder, names no /proc or /sys path, and the program links
# without the Linux folder. Compile and link only, unoptimised; nothing is run.
set -euo pipefail
cd "$(dirname "$0")/.."
core=(app main controls diskscreens memscreens platform/*.h platform/*.cpp platform/unsupported)
if grep -rnE --include='*.cpp' --include='*.h' \
  -e '#include *(<[^>]*\.h>|"platform/linux/)' -e '"/(proc|sys)(/|")' "${core[@]}"; then
  echo "build-unsupported: the lines above reach Linux outside platform/linux/" >&2
  exit 1
fi
BUILD=${BUILD:-build-unsupported}
cmake -S . -B "$BUILD" -DVOK_PLATFORM=unsupported -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O0 \
  $(command -v ninja >/dev/null && [ ! -e "$BUILD/Makefile" ] && echo -G Ninja) \
  $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target vok
