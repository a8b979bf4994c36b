#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it as a user
# would meet it: what it holds and needs, its manual page, lintian's verdict,
# and the unpacked game started from an unrelated folder, which must find its
# tile sheet in the package's share/korvalin and open its title screen.
# usage: package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack="$1"
build="$2"
work="$(mktemp -d)"
game=""
xvfb=""
cleanup() {
    for pid in $game $xvfb; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/out/korvalin_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack wrote no single korvalin_*.deb"
deb="${debs[0]}"

dpkg-deb -c "$deb" >"$work/contents"
for file in usr/share/man/man6/korvalin.6.gz usr/share/doc/korvalin/copyright \
            usr/share/applications/org.korvalin.Korvalin.desktop; do
    grep -q " \./$file\$" "$work/contents" || fail "not in the package: $file"
done
if grep -v ' \./usr/' "$work/contents" | grep -v ' \./$'; then
    fail "the package installs outside /usr"
fi
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 fonts-ipafont-gothic; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
warnings="$(MANWIDTH=80 man --warnings -l "$work/root/usr/share/man/man6/korvalin.6.gz" 2>&1 >/dev/null)" ||
    fail "man could not render the manual page"
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"

lintian --fail-on error "$deb" || fail "lintian reports errors"

# The game starts from an empty folder, with a home of its own, so only the
# package's share/korvalin can hold the tile sheet.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
mkdir -p "$work/elsewhere" "$work/home"
(cd "$work/elsewhere" &&
    exec env HOME="$work/home" XDG_DATA_HOME="$work/home/data" QT_QPA_PLATFORM=xcb \
        "$work/root/usr/games/korvalin" >"$work/game.log" 2>&1) &
game=$!
for _ in $(seq 120); do
    if xdotool search --onlyvisible --name '^Korvalin Help$' >/dev/null 2>&1; then
        exit 0
    fi
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log"; fail "the unpacked game ended before its title screen"; }
    sleep 0.5
done
shown="$(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null || true)"
fail "no title screen within a minute; windows shown: ${shown:-none}"
