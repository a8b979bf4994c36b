#!/usr/bin/env bash
# Installs the Debian 12 packages Korvalin needs, skipping those already
# present: `play` for building and playing the game, `test` (the default)
# for that and every test, benchmark and desktop the tests start, `windows`
# for building the game for Windows.
#
#   usage: install-deps.sh [play|test|windows]
set -euo pipefail

play=(
    g++ cmake make pkg-config gettext
    qt6-base-dev libgl-dev libvulkan-dev libxkbcommon-dev qt6-qpa-plugins qt6-wayland
    libfontconfig-dev libx11-dev libxcb1-dev libxcb-xfixes0-dev libxcb-damage0-dev
    fonts-ipafont-gothic qt6-translations-l10n
)
test=(
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool imagemagick poppler-utils openbox x11-utils
    xfwm4 metacity kwin-x11 kwin-style-breeze mutter xwayland dbus-x11 wmctrl
    desktop-file-utils appstream
    dpkg-dev man-db lintian file
    g++-mingw-w64-x86-64-posix wine64 googletest
)

# Building the game for Windows: MinGW, Wine to run the tile painter, and
# what Qt's own build from Debian's source needs.
windows=(
    g++-mingw-w64-x86-64-posix wine64 ninja-build dpkg-dev zip
)

case "${1:-test}" in
    play) packages=("${play[@]}") ;;
    test) packages=("${play[@]}" "${test[@]}") ;;
    windows) packages=("${play[@]}" "${windows[@]}") ;;
    *) echo "usage: $0 [play|test|windows]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
