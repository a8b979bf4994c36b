#!/usr/bin/env bash
# Plays the built game under its own X server and openbox to the three screens
# the README shows, and writes docs/title.png, docs/travel.png and
# docs/tokyo.png. Needs build/korvalin and build/Map25.BMP (./test.sh or
# ./run.sh makes them). The game runs from a scratch copy of its folder, so
# it saves and writes its diary there and never touches a player's files.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build"
docs="$here/docs"
for file in korvalin Map25.BMP; do
    if [ ! -f "$build/$file" ]; then
        echo "screenshots.sh: $build/$file is missing; build the game first (./test.sh)" >&2
        exit 1
    fi
done

scratch="$(mktemp -d)"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# Every wait below polls for what it needs, up to this many tenths of a second.
patience=600

fail() {
    echo "screenshots.sh: $*" >&2
    exit 1
}

# The game, its tile sheet and its saves in the scratch folder; home and data
# folders there too, so no setting of the user's reaches the pictures.
mkdir -p "$scratch/game" "$scratch/home" "$scratch/data"
cp "$build/korvalin" "$build/Map25.BMP" "$scratch/game/"
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/home/.config"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset XDG_RUNTIME_DIR SESSION_MANAGER

# A server of its own at a fixed size, key auto-repeat off; it names its
# display number once it listens.
Xvfb -displayfd 5 -screen 0 1024x768x24 -r -nolisten tcp -noreset \
    5>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
for ((i = 0; i < patience; i++)); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb did not start (see its log above)"
DISPLAY=":$(head -n 1 "$scratch/display")"
export DISPLAY

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
for ((i = 0; i < patience; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

(cd "$scratch/game" && exec ./korvalin) >"$scratch/game.log" 2>&1 &
pids+=($!)
SECONDS=0

# The id of the visible window whose whole title is $1.
window() {
    local id i
    for ((i = 0; i < patience; i++)); do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)"
        if [ -n "$id" ]; then
            echo "$id"
            return
        fi
        sleep 0.1
    done
    fail "no window \"$1\" appeared"
}

gone() {
    local i
    for ((i = 0; i < patience; i++)); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$1\" stayed open"
}

# The client area of a window as "WIDTHxHEIGHT+X+Y" on the screen.
area() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF }
        /Height:/ { h = $NF }
        END { printf "%dx%d+%d+%d\n", w, h, x, y }'
}

# The client area as it is on the screen, other windows over it included.
grab() {
    import -window root -crop "$(area "$1")" +repage "$2"
}

# Waits until three grabs of a window a third of a second apart are equal:
# the screen is drawn and the hiker stands still (a walking step moves the
# view every half second).
settle() {
    local a b c i
    a="$(grab "$1" rgb:- | md5sum)"
    for ((i = 0; i < patience; i++)); do
        sleep 0.3
        b="$(grab "$1" rgb:- | md5sum)"
        sleep 0.3
        c="$(grab "$1" rgb:- | md5sum)"
        [ "$a" = "$b" ] && [ "$b" = "$c" ] && return
        a="$c"
    done
    fail "the window $1 never stood still"
}

# Small PNGs whose bytes depend on the pixels only: no time stamps or other
# chunks, colours reduced without dithering.
save() {
    mkdir -p "$docs"
    convert "$1" +dither -colors "$3" -strip -define png:exclude-chunks=date,time \
        -define png:compression-level=9 "PNG8:$docs/$2"
}

click() {  # window, x, y (inside its client area), button
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
    xdotool mousemove 1023 767  # away, so that no hint shows
}

# The title screen.
help="$(window 'Korvalin Help')"
xdotool mousemove 1023 767
settle "$help"
grab "$help" "$scratch/title.png"
save "$scratch/title.png" title.png 128

# The middle course from the Level popup (a right click), then Start and a name.
click "$help" 129 468 3
for ((i = 0; i < patience; i++)); do
    for id in $(xdotool search --onlyvisible --class korvalin 2>/dev/null); do
        if xwininfo -id "$id" | grep -q 'Override Redirect State: yes' &&
            [ "$(xwininfo -id "$id" | awk '/Height:/ { print $NF }')" -gt 40 ]; then
            break 2
        fi
    done
    sleep 0.1
done
xdotool key Down Down Return
click "$help" 225 468
name="$(window 'ﾊﾟｽﾜｰﾄﾞ ﾀﾞｲｱﾛｸﾞ')"
xdotool windowactivate --sync "$name" type --delay 50 Taro
xdotool key Return
gone 'Korvalin Help'

# The travel view at Kanazawa, before the first step.
travel="$(window '.*Korvalin ver 2.6')"
xdotool windowactivate --sync "$travel"
settle "$travel"
grab "$travel" "$scratch/travel.png"
save "$scratch/travel.png" travel.png 64

# To Tokyo: one cell east, one north (space stops the hiker at the end of a
# cell), then east until the capital screen opens.
xdotool key Right space
settle "$travel"
xdotool key Up space
settle "$travel"
xdotool key Right
tokyo="$(window '日本国首都東京')"

# The bank's course money, then the embassy list, Korea chosen.
click "$tokyo" 308 28
bank="$(window '銀行')"
xdotool windowactivate --sync "$bank" key Return
gone '銀行'
click "$tokyo" 196 60
for ((i = 0; i < patience; i++)); do
    [ "$(xwininfo -id "$tokyo" | awk '/Height:/ { print $NF }')" -ge 400 ] && break
    sleep 0.1
done
click "$tokyo" 40 148

# The destination list's colour and the footprints move with the screen's
# half-second timer from the start of the game; the picture is taken when
# the colour, rising for the first time, reaches a fixed red (at the game's
# 80th second), so that both are the same each run. The colour rises again
# every four minutes or so, but with the footprints a step further on.
red=160
if [ "$SECONDS" -ge $((red / 2)) ]; then
    echo "screenshots.sh: Tokyo took $SECONDS s to reach; the footprints in tokyo.png" \
        "will differ from a quicker run's" >&2
fi
previous=255
for ((i = 0; i < 6000; i++)); do
    grab "$tokyo" "$scratch/tokyo.png"
    now="$(convert "$scratch/tokyo.png" -format '%[fx:int(255*p{395,380}.r+0.5)]' info:)"
    [ "$now" -eq "$red" ] && [ "$previous" -lt "$red" ] && break
    previous="$now"
    sleep 0.1
done
[ "$now" -eq "$red" ] || fail "the capital screen's colour never came to red $red"
save "$scratch/tokyo.png" tokyo.png 64

echo "screenshots.sh: wrote $docs/title.png, travel.png and tokyo.png"
