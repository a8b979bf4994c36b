#!/usr/bin/env bash
# The Windows build under Wine and the Linux build play the same short
# journey: a game saved in Tokyo with Korea's visa, loaded from the title
# screen and saved again at once. The Linux build starts from a save made by
# hand, the Windows build from the Linux build's save, and the Linux build
# loads the Windows build's: every save is the same, byte for byte.
#
#   usage: windows_save.sh <korvalin> <Map25.BMP> <the Windows folder>
source "$(dirname "$0")/desktop.sh"
windowsFolder="$(cd "$3" && pwd)"

# Loads from the title and saves on the capital screen of Tokyo.
loadAndSave() {
    loadFromTitle
    local capital
    capital="$(waitWindow '^日本国首都東京$' 30)"
    clickIn "$capital" 390 28
    waitWindow '^Korvalin$' 30 >/dev/null
    key Return
    waitGone '^Korvalin$' 30
}

endGame() {
    kill "$gamePid" 2>/dev/null || true
    waitFor 10 sh -c "! kill -0 $gamePid" || kill -KILL "$gamePid" 2>/dev/null || true
}

savedFiles=(korvalin.ini korvalin.nikki Nikki.txt Kiseki.txt)

startDesktop

# Linux, in its own folder.
# Two cells east of Tokyo, at sea, bound for Korea with its visa.
prepareSave "$scratch/bin" PP=14 PPA=111 PPB=111 PN=9 PNA=9 PNB=9 PS=2 RadioButton1.Checked=1
startGame "$scratch/terminal"
loadAndSave
endGame

# Windows, beside its program, under a Wine of its own, from the Linux
# build's save.
cp -r "$windowsFolder" "$scratch/windows"
cp "${savedFiles[@]/#/$scratch/bin/}" "$scratch/windows/"
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all
(cd "$scratch/windows" && exec /usr/lib/wine/wine64 korvalin.exe) >"$scratch/wine.log" 2>&1 &
gamePid=$!
pids+=("$gamePid")
waitFor 90 windowNamed 'Korvalin Help' || fail "the Windows title screen did not open"
loadAndSave
endGame
/usr/lib/wine/wineserver -k 2>/dev/null || true

for file in "${savedFiles[@]}"; do
    cmp "$scratch/bin/$file" "$scratch/windows/$file" ||
        fail "$file differs between the Linux and the Windows save"
done

# And back: the Linux build loads the save the Windows build wrote.
cp "${savedFiles[@]/#/$scratch/windows/}" "$scratch/bin/"
startGame "$scratch/terminal"
loadFromTitle
waitWindow '^日本国首都東京$' 30 >/dev/null
windowNamed '^(警告|Warning)$' && fail "the Linux build refused the Windows save"
echo "the Windows and Linux saves are the same, and load in each other"
