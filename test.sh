#!/usr/bin/env bash
# Builds Korvalin with its tests and benchmarks, then runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build" -j2
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
