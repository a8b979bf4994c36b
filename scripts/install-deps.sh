#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the
# game need, skipping those already present.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev libgl-dev libvulkan-dev libxkbcommon-dev qt6-qpa-plugins
    libfontconfig-dev libx11-dev libxcb1-dev libxcb-xfixes0-dev libxcb-damage0-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-ipafont-gothic
    xvfb xauth xdotool imagemagick poppler-utils openbox x11-utils
    xfwm4 metacity kwin-x11 kwin-style-breeze mutter xwayland dbus-x11 qt6-wayland wmctrl
    desktop-file-utils appstream
    dpkg-dev man-db lintian file gettext qt6-translations-l10n
)

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
