#!/usr/bin/env bash
# The Windows check of the portable core: the standard-library cores (link/,
# sim/, texts/, measure/, records/, verdict/: cmake/KavPortableCore.cmake) and their tests, cross-compiled
# with MinGW-w64 (cmake/mingw-w64-x86_64.cmake, -DKAV_PORTABLE_CORE=ON) and run
# under wine. Ends with one line: how many test programs and tests passed.
# Needs g++-mingw-w64-x86-64-posix, googletest and wine64 (scripts/kav.sh windows
# installs them).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KAV_WINDOWS_BUILD_DIR:-$root/build-win}"
jobs=$(nproc 2>/dev/null || echo 2)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DKAV_PORTABLE_CORE=ON -DCMAKE_BUILD_TYPE=Release -DKAV_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

# A wine prefix of its own, without the Mono and Gecko installers.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || "$wine" wineboot --init >/dev/null 2>&1 || true

status=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300 || status=1
"$wineserver" -k 2>/dev/null || true

log="$build/Testing/Temporary/LastTest.log"
programs=$(grep -c '^\[==========\] .* ran\.' "$log" || true)
passed=$(grep -o '^\[  PASSED  \] [0-9]*' "$log" | awk '{s += $NF} END {print s + 0}')
echo "Windows check: $programs test programs, $passed tests passed under wine"
exit $status
