#!/usr/bin/env bash
# In Tokyo with too little cash for a visa, on the desktop $KORVALIN_DESKTOP
# names: the main window and the capital screen stand where the game puts
# them, at every showing; every box and window opened from the capital
# screen stands in front of it and on the screen, and hands the
# keyboard back to it; the window manager's close asks the leave question;
# the help window has a close box; the status bar tells the bank's money at
# once; and another program can come in front of the capital screen.
source "$(dirname "$0")/desktop.sh"

startDesktop
prepareSave "$scratch/bin"
startGame "$scratch/home"
loadFromTitle

capital="$(waitWindow '^日本国首都東京$')"
main="$(windowNamed 'Korvalin ver 2\.6')"
# A window manager may draw a frame other than the one it promised; the
# game moves the window once it is shown, as the player then sees it.
framedAt() { framed "$1" && [ "$(frameOf "$1" | cut -d' ' -f1-2)" = "$2" ]; }
waitFor 5 framedAt "$main" "0 0" || fail "main window's frame at $(frameOf "$main")"
waitFor 5 framedAt "$capital" "43 0" ||
    fail "capital screen's frame at $(frameOf "$capital") at its first showing"
waitFor 5 statusShows '0万1500円' || fail "status bar after Load: $(statusBar)"

# Leave, then step back into Tokyo: the screen shows again, with embassies,
# at the same place.
capital="$(leaveAndStepBackIn '^日本国首都東京$')"
waitFor 5 framedAt "$capital" "43 0" || fail "capital screen moved to $(frameOf "$capital")"

# Every box over the capital screen is in front of it and on the screen.
boxInFront() {
    local box
    box="$(waitWindow "$1")"
    waitFor 5 framed "$box" || fail "box \"$1\" was not framed"
    waitFor 5 above "$box" "$capital" || fail "box \"$1\" under the capital screen: $(stacking | tr '\n' ' ')"
    onScreen "$box" || fail "box \"$1\" off the screen: $(frameOf "$box")"
    echo "$box"
}

# The embassy list unfolds; Korea's embassy, the visa, yes: too little cash
# (or the embassy is crowded).
clickIn "$capital" 196 60
waitFor 5 sh -c "[ \$(xwininfo -id $capital | sed -n 's/.*Height: *//p') -gt 300 ]" ||
    fail "the embassy list did not unfold"
clickIn "$capital" 40 148
clickIn "$capital" 347 120
boxInFront '^確認$' >/dev/null
key Return
boxInFront '^(警告|Korvalin)$' >/dev/null
key Return
waitGone '^(警告|Korvalin)$'
# The window manager names the capital screen active, and the keyboard is
# there: a window manager may name one window and hand the keys on to another.
active() { [ "$(xdotool getactivewindow)" = "$1" ] && [ "$(xdotool getwindowfocus)" = "$1" ]; }
waitFor 5 active "$capital" ||
    fail "the keyboard went to $(xdotool getactivewindow)/$(xdotool getwindowfocus), not the capital screen"

# The window manager's close (Alt+F4) asks the leave question, with the list
# unfolded. On Wayland the compositor takes the keys before Xwayland, where
# the test's keys go: its close is asked for as a pager asks.
if [ "${KORVALIN_DESKTOP:-}" = wayland ]; then
    wmctrl -i -c "$capital"
else
    key alt+F4
fi
boxInFront '^確認$' >/dev/null
key Escape
waitGone '^確認$'

# The help from the capital screen's "?".
clickIn "$capital" 390 60
help="$(boxInFront '^Korvalin Help$')"
help_height="$(xwininfo -id "$help" | sed -n 's/.*Height: *//p')"
clickIn "$help" 220 $((help_height - 12))
waitGone '^Korvalin Help$'
# It has a close box, which closes it as its own Close does.
clickIn "$capital" 390 60
help="$(boxInFront '^Korvalin Help$')"
xprop -id "$help" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_CLOSE ||
    fail "the help window has no close box"
wmctrl -i -c "$help"
waitGone '^Korvalin Help$'

# A click on the capital screen answers: the bank opens, and its money shows
# in the status bar at once.
clickIn "$capital" 308 28
bank="$(waitWindow '^銀行$')"
above "$bank" "$capital" || fail "the bank under the capital screen"
key Return
waitGone '^銀行$'
waitFor 5 statusShows ' 20万[0-9]*円' || fail "status bar after the bank: $(statusBar)"

# Another program activated over the capital screen comes in front of it:
# the screen stands over the game's own windows, not over the whole desktop.
xmessage -geometry +100+40 "another program" 2>/dev/null &
pids+=($!)
other="$(waitWindow '^xmessage$')"
xdotool windowactivate "$other"
waitFor 5 above "$other" "$capital" ||
    fail "another program stays under the capital screen: $(stacking | tr '\n' ' ')"

# Every window's owner is a window the window manager knows.
! grep -i 'invalid WM_TRANSIENT_FOR' "$scratch/desktop.log" || fail "a window belongs to a hidden one"
# Natively on Wayland (the player's choice) the game starts and stays: its
# main window writes the status bar, and none of its windows is Xwayland's.
# The compositor shows no window of a Wayland program to the test.
if [ "${KORVALIN_DESKTOP:-}" = wayland ]; then
    kill "$gamePid"
    wait "$gamePid" 2>/dev/null || true
    export KORVALIN_STATUS_FILE="$scratch/native-status.txt"
    (cd "$scratch/home" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland "$scratch/bin/korvalin") \
        >"$scratch/native.log" 2>&1 &
    gamePid=$!
    pids+=("$gamePid")
    waitFor 20 statusShows '0万0円' || fail "the game did not start on Wayland: $(tail -n3 "$scratch/native.log")"
    ! windowNamed 'Korvalin' >/dev/null || fail "the game started through Xwayland"
    kill -0 "$gamePid" || fail "the game ended on Wayland: $(tail -n3 "$scratch/native.log")"
fi
echo "front: passed"
