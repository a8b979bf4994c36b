#!/usr/bin/env bash
# Builds Korvalin with its tests and benchmarks, then runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh" test
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKORVALIN_BUILD_BENCH=ON
cmake --build "$here/build" -j2
(cd "$here/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

# The core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# (GCC's vptr check is left out: it flags calls through pointers to member
# functions where there is nothing wrong).
cmake -S "$here" -B "$here/build-asan" -DKORVALIN_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize=vptr -fno-sanitize-recover=undefined"
cmake --build "$here/build-asan" -j2 --target korvalin_core_tests
"$here/build-asan/tests/korvalin_core_tests" --gtest_brief=1

# The file readers' fuzz targets, built with clang, each run for a few seconds.
CC=clang CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -DKORVALIN_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build-fuzz" -j2
(cd "$here/build-fuzz" && ctest --output-on-failure -j2)
