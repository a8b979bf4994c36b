#!/usr/bin/env bash
# Builds Korvalin for 64-bit Windows on Debian 12 and lays out the folder a
# player unzips and runs: build-windows-game/Korvalin, zipped beside it.
# Qt for Windows is built once per machine (scripts/windows-qt.sh, about
# half an hour on two cores) into a cache outside the checkout.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh" windows
qt="$("$here/scripts/windows-qt.sh")"
build="$here/build-windows-game"

# Qt's own wrapper sets up the cross build around the MinGW toolchain.
"$qt/bin/qt-cmake" -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DKORVALIN_BUILD_BENCH=OFF
cmake --build "$build" --parallel 2 --target korvalin tilegen_bmp catalogues

version="$(sed -n 's/^project(Korvalin VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
folder="$build/Korvalin"
rm -rf "$folder" && mkdir -p "$folder/platforms"
cp "$build/korvalin.exe" "$build/Map25.BMP" "$folder/"
cp -r "$build/locale" "$folder/"
for library in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do
    cp "$qt/bin/$library.dll" "$folder/"
done
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
# Qt looks for its plugins and its own dialogs' Japanese beside the program.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$folder/qt.conf"
mkdir -p "$folder/translations"
cp /usr/share/qt6/translations/qt_ja.qm /usr/share/qt6/translations/qtbase_ja.qm "$folder/translations/"
# MinGW's runtime, which the program and Qt are linked against.
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" "$folder/"
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$folder/"
# Debugging symbols are a developer's, not a player's: they would triple the download.
x86_64-w64-mingw32-strip --strip-unneeded "$folder"/*.exe "$folder"/*.dll "$folder"/platforms/*.dll
cp "$here/LICENSE" "$folder/LICENSE.txt"
cp "$qt/../source/LICENSES/LGPL-3.0-only.txt" "$folder/Qt-LGPL-3.0.txt" 2>/dev/null || true

rm -f "$build/Korvalin-$version-windows-x64.zip"
(cd "$build" && zip -qr "Korvalin-$version-windows-x64.zip" Korvalin)
echo "$build/Korvalin-$version-windows-x64.zip"
