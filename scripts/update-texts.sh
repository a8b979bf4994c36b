#!/usr/bin/env bash
# Rewrites po/korvalin.pot, the template of the game's texts, and merges
# every catalogue in po/ with it: a new text comes in untranslated, every
# translation and translator's comment stays, and the references follow the
# code. A translation whose text the game no longer has stops the refresh,
# leaving every file as it was, until it is retired from its catalogue by
# hand. `cmake --build build --target update-texts` builds the generator
# and runs this.
#
#   usage: update-texts.sh <texts_template program>
set -euo pipefail

generator=${1:?usage: update-texts.sh <texts_template program>}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$generator" "$root/src" "$root/po" > "$work/korvalin.pot"
for catalogue in "$root"/po/*.po; do
    merged="$work/$(basename "$catalogue")"
    msgmerge --quiet --no-fuzzy-matching --output-file="$merged" "$catalogue" "$work/korvalin.pot"
    retired=$(msgattrib --only-obsolete --no-wrap "$merged" | sed -n 's/^#~ msgid //p')
    if [ -n "$retired" ]; then
        echo "update-texts: $(basename "$catalogue") translates texts the game no longer has;" \
             "take them out of it by hand, or bring them back into the code:" >&2
        echo "$retired" >&2
        exit 1
    fi
done
mv "$work"/*.po "$root/po/"
mv "$work/korvalin.pot" "$root/po/korvalin.pot"
