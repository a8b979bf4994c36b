#!/usr/bin/env bash
# At twice the scale, as on a high-density screen (QT_SCALE_FACTOR=2), on
# the desktop $KORVALIN_DESKTOP names: the window manager tells frames in
# the screen's own pixels, and the main window and the capital screen still
# stand by their frames where the game puts them, at every showing.
source "$(dirname "$0")/desktop.sh"

KORVALIN_SCREEN=2048x1536 startDesktop
export QT_SCALE_FACTOR=2
prepareSave "$scratch/bin"
startGame "$scratch/home"
loadFromTitle

capital="$(waitWindow '^日本国首都東京$')"
main="$(windowNamed 'Korvalin ver 2\.6')"
# A frame of an odd number of screen pixels cannot stand on a whole game
# pixel: the frame may lie one screen pixel off.
framedAt() {
    local x y
    read -r x y _ <<<"$(frameOf "$1")"
    framed "$1" && [ $((x - $2)) -ge -1 ] && [ $((x - $2)) -le 1 ] &&
        [ $((y - $3)) -ge -1 ] && [ $((y - $3)) -le 1 ]
}
waitFor 5 framedAt "$main" 0 0 || fail "main window's frame at $(frameOf "$main")"
waitFor 5 framedAt "$capital" 86 0 ||
    fail "capital screen's frame at $(frameOf "$capital") at its first showing"

capital="$(leaveAndStepBackIn '^日本国首都東京$')"
waitFor 5 framedAt "$capital" 86 0 || fail "capital screen moved to $(frameOf "$capital")"
echo "scaled: passed"
