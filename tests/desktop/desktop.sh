# The real program on a desktop: each test sources this file, which starts
# its own display server and window manager, and gives the test a scratch
# folder holding a portable copy of the game.
#
#   usage: <test>.sh <korvalin executable> <Map25.BMP>
set -euo pipefail

program="$1"
tileSheet="$2"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/korvalin-desktop-XXXXXX")"
pids=()
gamePid=""

finish() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
        import -window root "$scratch/failed.png" 2>/dev/null &&
            cp "$scratch/failed.png" "${KORVALIN_DESKTOP_SHOTS:-/tmp}/$(basename "$0" .sh).png" 2>/dev/null || true
        tail -n5 "$scratch/game.log" "$scratch/desktop.log" >&2 2>/dev/null || true
    fi
    # Last started, first ended; what has not ended 3 s after being asked
    # is ended outright, so that the test never outlives its checks.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        waitFor 3 sh -c "! kill -0 ${pids[i]}" || kill -KILL "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    # Settings daemons the desktop's bus started write their files as the
    # bus goes.
    for ((i = 0; i < 20; i++)); do
        rm -rf "$scratch" 2>/dev/null && break
        sleep 0.1
    done
    exit "$status"
}
trap finish EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Polls a command every 50 ms for up to `seconds`.
waitFor() {
    local seconds="$1"
    shift
    local tries=$((seconds * 20))
    for ((t = 0; t < tries; t++)); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Starts the desktop named by $KORVALIN_DESKTOP (openbox when unset): an X
# server with one of the window managers Debian's desktops ship, or GNOME's
# compositor on Wayland, headless, whose Xwayland the game is tested through.
# $KORVALIN_SCREEN gives the X screen's size (1024x768 when unset).
startDesktop() {
    local desktop="${KORVALIN_DESKTOP:-openbox}"
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
    export XDG_DATA_HOME="$scratch/home/.local/share" XDG_RUNTIME_DIR="$scratch/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # The desktop's programs and the game choose their own platform.
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
    if [ "$desktop" != openbox ]; then
        eval "$(dbus-launch --sh-syntax)"
        pids+=("$DBUS_SESSION_BUS_PID")
    fi
    if [ "$desktop" = wayland ]; then
        startWayland
        return
    fi
    # The server picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 "${KORVALIN_SCREEN:-1024x768}x24" -r -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    pids+=($!)
    waitFor 10 test -s "$scratch/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$scratch/display")"
    if [ "$desktop" = kwin ]; then
        # kwin's keys are the shortcut daemon's, which finds them in the
        # desktop's settings.
        printf '[kwin]\nWindow Close=Alt+F4,Alt+F4,Close Window\n' \
            >"$XDG_CONFIG_HOME/kglobalshortcutsrc"
        KDE_DEBUG=1 kglobalaccel5 >/dev/null 2>&1 &
        pids+=($!)
    fi
    # The window manager is started itself, not inside a subshell, so the
    # test ends it and not only its parent.
    local manager
    case "$desktop" in
        openbox) manager=(openbox --sm-disable) ;;
        xfwm4) manager=(xfwm4 --sm-client-disable) ;;
        metacity) manager=(metacity --replace --sm-disable) ;;
        # Without compositing: kwin's, in software, held up the game's first
        # window for more than 20 s beside another test. Without its crash
        # handler: a kwin that loses its server would start itself again on
        # the next test's display.
        kwin) manager=(env KWIN_COMPOSE=N KDE_DEBUG=1 kwin_x11 --replace) ;;
        mutter) manager=(mutter --x11 --replace --sm-disable) ;;
        *) fail "no desktop \"$desktop\"" ;;
    esac
    "${manager[@]}" >"$scratch/desktop.log" 2>&1 &
    pids+=($!)
    waitFor 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "$desktop did not start"
    if [ "$desktop" = kwin ]; then
        waitFor 20 dbus-send --session --print-reply --dest=org.kde.kglobalaccel /component/kwin \
            org.kde.kglobalaccel.Component.allShortcutInfos || fail "kwin's keys were not taken"
    fi
}

# mutter as a Wayland compositor with Xwayland; mutter tells the X display
# and its key to the program it starts, which stays until the test ends.
startWayland() {
    # Xwayland's socket folder must be writable by all, as a desktop makes
    # it; an X server started by root makes it writable by root alone.
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
    mutter --wayland --headless --virtual-monitor 1024x768 --wayland-display=korvalin \
        -- sh -c 'echo "$DISPLAY $XAUTHORITY $$" >"$0"; exec sleep infinity' "$scratch/display" \
        >"$scratch/desktop.log" 2>&1 &
    pids+=($!)
    waitFor 20 test -s "$scratch/display" || fail "mutter did not start: $(tail -n3 "$scratch/desktop.log")"
    local holder
    read -r DISPLAY XAUTHORITY holder <"$scratch/display"
    pids+=("$holder")
    export WAYLAND_DISPLAY=korvalin XDG_SESSION_TYPE=wayland DISPLAY XAUTHORITY
    waitFor 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "mutter did not manage Xwayland"
}

# Copies the game and its catalogues into $scratch/bin (a portable copy
# saves beside itself) and starts it from the folder given, which is made if
# missing, with the options that follow. The player's choice of language is
# kept in $scratch, away from the tester's own.
startGame() {
    local folder="$1"
    shift
    mkdir -p "$scratch/bin" "$folder"
    if [ ! -x "$scratch/bin/korvalin" ]; then
        cp "$program" "$tileSheet" "$scratch/bin/"
        cp -r "$(dirname "$program")/locale" "$scratch/bin/"
    fi
    export KORVALIN_STATUS_FILE="$scratch/status.txt" XDG_CONFIG_HOME="$scratch/config"
    rm -f "$KORVALIN_STATUS_FILE"
    (cd "$folder" && exec "$scratch/bin/korvalin" "$@") >"$scratch/game.log" 2>&1 &
    gamePid=$!
    pids+=("$gamePid")
    waitFor 20 windowNamed 'Korvalin Help' || fail "the title screen did not open"
}

# The id of the shown window whose title matches the regular expression.
windowNamed() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        echo "$id"
        return 0
    done
    return 1
}

waitWindow() {
    waitFor "${2:-10}" windowNamed "$1" || fail "no window \"$1\""
    windowNamed "$1"
}

waitGone() {
    waitFor "${2:-10}" sh -c "! xdotool search --onlyvisible --name '$1' | grep -q ." ||
        fail "window \"$1\" still shown"
}

# The window manager's stacking order, bottom first, as decimal ids.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g' |
        xargs -n1 printf '%d\n'
}

# True when window $1 is stacked above window $2.
above() {
    local order
    order="$(stacking)"
    local upper lower
    upper="$(grep -nx "$1" <<<"$order" | cut -d: -f1)"
    lower="$(grep -nx "$2" <<<"$order" | cut -d: -f1)"
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ]
}

# "x y width height" of the window's frame on the screen.
frameOf() {
    local id="$1" info extents
    info="$(xwininfo -id "$id")"
    extents="$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')"
    [ -n "$extents" ] || extents="0,0,0,0"
    local left right top bottom
    IFS=, read -r left right top bottom <<<"$extents"
    local x y w h
    x="$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")"
    y="$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")"
    w="$(sed -n 's/.*Width: *//p' <<<"$info")"
    h="$(sed -n 's/.*Height: *//p' <<<"$info")"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# True when the window manager has drawn the window a title bar.
framed() {
    local top
    top="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *[0-9]*, *[0-9]*, *\([0-9]*\),.*/\1/p')"
    [ "${top:-0}" -gt 0 ]
}

# True when the window's frame lies wholly on the 1024 x 768 screen.
onScreen() {
    local x y w h
    read -r x y w h <<<"$(frameOf "$1")"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ]
}

# Clicks at a point of the window's inside, in the game's pixels, which
# QT_SCALE_FACTOR makes larger on the screen.
clickIn() {
    local scale="${QT_SCALE_FACTOR:-1}"
    xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1
}

key() {
    xdotool key --clearmodifiers "$@"
}

# The status bar's captions, left to right, as the game wrote them.
statusBar() {
    tr '\n' ' ' <"$KORVALIN_STATUS_FILE" 2>/dev/null
}

statusShows() {
    statusBar | grep -q -- "$1"
}

# A saved game two cells east of Tokyo with 1500 yen in hand and 200000 in
# the bank; loading it opens the capital screen of Tokyo. Its leg is still
# the one from Korea, so the first tick enters Japan and the visa for the
# next country is wanted again. Keys given after the folder (KEY=value)
# take the place of the same keys, or are added. The diary is written in
# Shift-JIS, as the game writes it.
prepareSave() {
    local folder="$1"
    shift
    local keys=('PP=9' 'PPA=9' 'PPB=9' 'PN=14' 'PNA=111' 'PNB=111' 'PS=16'
        'MapX=232' 'MapY=104' 'yen=1500' 'yokin=200000' 'day=4320' 'dayold=3' 'dd=6'
        'toshi=日本国首都東京' 'mNow=97/12/20' 'Namae=虹子' 'Label5.Caption=日本国'
        'Level1=1' 'Button7.Visible=0')
    local key i
    for key in "$@"; do
        for i in "${!keys[@]}"; do
            [ "${keys[i]%%=*}" = "${key%%=*}" ] && keys[i]="$key" && continue 2
        done
        keys+=("$key")
    done
    mkdir -p "$folder"
    printf '%s\r\n' '[State]' "${keys[@]}" | iconv -f UTF-8 -t CP932 >"$folder/korvalin.ini"
    printf '%s\r\n' '' '　　　虹子日記' '' '1日目　97/12/20 （日本）' '　　金沢出発' \
        '3日目　97/12/22 （日本）' '　　東京の近くまで来た。' 'end' |
        iconv -f UTF-8 -t CP932 >"$folder/Nikki.txt"
}

# Leaves by the capital screen's door, left on its top strip. The saved
# journey has crossed back into Japan as it loaded, so its visa is still to
# get: the door asks, and the player leaves all the same.
leaveWithoutVisa() {
    clickIn "$1" 196 28
    waitWindow '^(確認|Confirm)$' >/dev/null
    key Return
}

# Leaves the capital screen whose title matches the regular expression and
# steps back in from the east; prints the screen's id, as it opens anew with
# its embassies.
leaveAndStepBackIn() {
    local capital
    capital="$(windowNamed "$1")"
    leaveWithoutVisa "$capital"
    waitGone "$1"
    xdotool windowactivate --sync "$(windowNamed 'Korvalin ver 2\.6')"
    key Left
    waitWindow "$1" 20
}

# Loads the saved game from the title screen's "Load" (left 24 on the bar
# along its bottom).
loadFromTitle() {
    local help
    help="$(waitWindow 'Korvalin Help')"
    local h
    h="$(xwininfo -id "$help" | sed -n 's/.*Height: *//p')"
    clickIn "$help" 40 $((h / ${QT_SCALE_FACTOR:-1} - 12))
}
