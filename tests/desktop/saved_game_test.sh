#!/usr/bin/env bash
# A game saved in Tokyo after the bank and the visa, by a game started from
# one folder, loads again in a game started from another: both files of the
# save lie together beside the program.
source "$(dirname "$0")/desktop.sh"

startDesktop
prepareSave "$scratch/bin"
startGame "$scratch/terminal"
loadFromTitle
capital="$(waitWindow '^日本国首都東京$')"
leaveWithoutVisa "$capital"
waitGone '^日本国首都東京$'
xdotool windowactivate --sync "$(windowNamed 'Korvalin ver 2\.6')"
key Left
capital="$(waitWindow '^日本国首都東京$' 20)"

clickIn "$capital" 308 28
waitWindow '^銀行$' >/dev/null
key Return
waitGone '^銀行$'

# The visa for Korea; a crowded embassy is tried again. An issued visa takes
# its fee from the purse the status bar shows; a refusal comes as a box.
# Either is waited for: waiting for no box to come would cost the whole wait
# on every run, and more than it says on a busy machine.
purse() { statusBar | grep -o '[0-9]*万[0-9]*円'; }
refused() { windowNamed '^(警告|Korvalin)$'; }
answered() { [ "$(purse)" != "$unpaid" ] || refused; }
clickIn "$capital" 196 60
waitFor 5 sh -c "[ \$(xwininfo -id $capital | sed -n 's/.*Height: *//p') -gt 300 ]" ||
    fail "the embassy list did not unfold"
clickIn "$capital" 40 148
for try in 1 2 3 4 5 6 7 8; do
    unpaid="$(purse)"
    clickIn "$capital" 347 120
    waitWindow '^確認$' >/dev/null
    key Return
    waitGone '^確認$'
    waitFor 10 answered || fail "no visa and no refusal; status bar: $(statusBar)"
    [ "$(purse)" = "$unpaid" ] || break
    key Return
    waitGone '^(警告|Korvalin)$'
done

rm -f "$scratch/bin/Nikki.txt"
clickIn "$capital" 390 28
waitWindow '^Korvalin$' >/dev/null
key Return
[ -s "$scratch/bin/korvalin.ini" ] && [ -s "$scratch/bin/Nikki.txt" ] ||
    fail "the save is not beside the program: $(ls "$scratch/bin")"
[ ! -e "$scratch/terminal/Nikki.txt" ] || fail "the diary went to the working directory"
kill "$gamePid"
wait "$gamePid" 2>/dev/null || true

startGame "$scratch/home"
loadFromTitle
waitWindow '^日本国首都東京$' >/dev/null
! windowNamed '^警告$' >/dev/null || fail "the saved game did not load"
waitFor 5 statusShows ' 19万[0-9]*円' || fail "status bar after Load: $(statusBar)"
echo "saved game: passed"
