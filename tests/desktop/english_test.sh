#!/usr/bin/env bash
# The game in English under openbox, started with --language en: the saved
# game made in Japanese loads, the capital screen, its boxes and the bank
# speak English, and the status bar tells the money in English.
source "$(dirname "$0")/desktop.sh"

startDesktop
prepareSave "$scratch/bin"
startGame "$scratch/home" --language en
loadFromTitle

capital="$(waitWindow '^Tokyo, capital of Japan$')"
waitFor 5 statusShows '1,500 yen' || fail "status bar after Load: $(statusBar)"

# Leave, then step back into Tokyo, whose embassies open to an arrival.
capital="$(leaveAndStepBackIn '^Tokyo, capital of Japan$')"

# Korea's embassy, the visa, yes: too little cash (or the embassy is
# crowded); each box in English, in front of the capital screen.
clickIn "$capital" 196 60
waitFor 5 sh -c "[ \$(xwininfo -id $capital | sed -n 's/.*Height: *//p') -gt 300 ]" ||
    fail "the embassy list did not unfold"
clickIn "$capital" 40 148
clickIn "$capital" 347 120
confirm="$(waitWindow '^Confirm$')"
waitFor 5 above "$confirm" "$capital" || fail "the question under the capital screen"
key Return
waitWindow '^(Warning|Korvalin)$' >/dev/null
key Return
waitGone '^(Warning|Korvalin)$'

clickIn "$capital" 308 28
waitWindow '^Bank$' >/dev/null
key Return
waitGone '^Bank$'
waitFor 5 statusShows ' 20[0-9],[0-9]* yen' || fail "status bar after the bank: $(statusBar)"
echo "english: passed"
