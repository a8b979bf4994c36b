#!/usr/bin/env bash
# Builds Korvalin with its tests and benchmarks, then runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh" test
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKORVALIN_BUILD_BENCH=ON
cmake --build "$here/build" -j2
# Among them the core's tests under the sanitizers, which build their own
# folder, build/sanitized.
(cd "$here/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

# The core and its tests cross-built for Windows with MinGW and run under
# Wine, headless, in a Wine folder of the build's own.
export WINEPREFIX="$here/build-windows/wine" WINEDEBUG=-all
cmake -S "$here" -B "$here/build-windows" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALIN_BUILD_GUI=OFF -DKORVALIN_BUILD_BENCH=OFF
cmake --build "$here/build-windows" -j2 --target korvalin_core_tests
(cd "$here/build-windows" && DISPLAY= ctest --output-on-failure -R '^core_tests_windows$')

# The file readers' fuzz targets, built with clang, each run for a few seconds.
CC=clang CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -DKORVALIN_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build-fuzz" -j2
(cd "$here/build-fuzz" && ctest --output-on-failure -j2)
