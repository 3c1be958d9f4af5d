#!/bin/sh
# catalogues_are_finished.sh LUPDATE LRELEASE LCONVERT SOURCE_LIST CATALOGUE...
#
# Every catalogue of the window is whole and as new as its sources: lrelease finds no entry
# unfinished or untranslated, and a copy refreshed from the sources holds the same entries.
set -eu
lupdate=$1 lrelease=$2 lconvert=$3 sources=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for catalogue; do
    name=$(basename "$catalogue")
    released=$("$lrelease" "$catalogue" -qm "$work/released.qm")
    case $released in
    *" 0 unfinished)"*) ;;
    *) echo "$name: entries left unfinished: $released"; failed=1 ;;
    esac
    case $released in
    *untranslated*) echo "$name: entries left untranslated: $released"; failed=1 ;;
    esac
    if grep -n 'type="vanished"\|type="obsolete"\|<numerusform></numerusform>' "$catalogue"; then
        echo "$name: vanished entries or empty plural forms, above"
        failed=1
    fi
    # English is the source language: its catalogue holds only the plural forms.
    only=
    [ "$name" = crestmap_en.ts ] && only=-pluralonly
    cp "$catalogue" "$work/refreshed.ts"
    "$lupdate" $only -silent -no-obsolete -locations none "@$sources" -ts "$work/refreshed.ts"
    "$lconvert" -drop-translations -i "$catalogue" -o "$work/before.ts"
    "$lconvert" -drop-translations -i "$work/refreshed.ts" -o "$work/after.ts"
    if ! diff "$work/before.ts" "$work/after.ts" >"$work/diff"; then
        echo "$name is not up to date with the sources: run"
        echo "    cmake --build --preset dev --target update_translations"
        echo "and translate what is new. Entries added (>) and gone (<):"
        grep '<source>\|<comment>' "$work/diff" || cat "$work/diff"
        failed=1
    fi
done
exit $failed
