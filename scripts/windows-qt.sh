#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows from Debian's own qt6-base source, once
# per machine, into a folder outside the checkout; prints that folder. The
# host tools (moc, rcc, uic) are Debian's Qt. About half an hour on two cores.
set -euo pipefail

cache="${KORVALIN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/korvalin-windows}"
prefix="$cache/qt6-mingw"
toolchain="$(cd "$(dirname "$0")/.." && pwd)/cmake/mingw-w64.cmake"

if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
if [ ! -d "$cache/source" ]; then
    # Debian's source lines, beside the binary ones the machine has.
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            >/etc/apt/sources.list.d/korvalin-deb-src.sources
        apt-get update -q >&2
    fi
    rm -rf "$cache/fetch" && mkdir -p "$cache/fetch"
    (cd "$cache/fetch" && apt-get source -q qt6-base >&2)
    mv "$cache/fetch"/qt6-base-*/ "$cache/source"
    rm -rf "$cache/fetch"
fi

# Tablets off: Debian's source leaves out wintab.h. OpenGL stays on: the
# Windows platform plugin does not build without it. What the game does not
# use is left out to halve the build.
rm -rf "$cache/build" && mkdir -p "$cache/build"
cmake -S "$cache/source" -B "$cache/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF \
    -DFEATURE_opengl_desktop=OFF -DFEATURE_opengl_dynamic=ON >&2
cmake --build "$cache/build" --parallel 2 >&2
cmake --install "$cache/build" >&2
rm -rf "$cache/build"
echo "$prefix"
