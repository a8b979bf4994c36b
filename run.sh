#!/usr/bin/env bash
# Builds Korvalin and starts it in the build folder, where Map25.BMP is made.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build" -j2 --target korvalin tilegen_bmp
cd "$here/build"
exec ./korvalin
