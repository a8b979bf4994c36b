#!/usr/bin/env bash
# Builds Korvalin and starts it in the build folder, where Map25.BMP is made.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh" play
# A first build for playing needs neither GoogleTest nor Google Benchmark;
# a build folder the tests have set up keeps them.
options=()
[ -f "$here/build/CMakeCache.txt" ] || options=(-DBUILD_TESTING=OFF -DKORVALIN_BUILD_BENCH=OFF)
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$here/build" -j2 --target korvalin tilegen_bmp
cd "$here/build"
exec ./korvalin
