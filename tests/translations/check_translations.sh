#!/usr/bin/env bash
# Fails when a text of the program lacks a finished translation in any of the three languages,
# or when the .ts files hold texts the program no longer uses.
#   check_translations.sh <source dir> <lupdate>
set -euo pipefail
src=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sources=()
for s in core gui app listview itemdialog export print setup locations; do
    [[ -d $src/$s ]] && sources+=("$src/$s")
done

status=0
for pair in dk:da no:nb en:en; do
    code=${pair%%:*}
    committed=$src/resources/translations/hestiva_$code.ts
    if grep -q 'type="vanished"\|type="obsolete"' "$committed"; then
        echo "hestiva_$code.ts holds texts no longer used; run scripts/update_translations.sh"
        status=1
    fi
    cp "$committed" "$work/hestiva_$code.ts"
    "$lupdate" -silent -no-obsolete -locations none -target-language "${pair##*:}" \
        "${sources[@]}" -ts "$work/hestiva_$code.ts"
    # Each message that lupdate left unfinished: new in the code, or never translated.
    untranslated=$(awk '
        /<name>/ { gsub(/.*<name>|<\/name>.*/, ""); context = $0 }
        /<source>/ { source = $0; gsub(/.*<source>|<\/source>.*/, "", source) }
        /type="unfinished"|<translation><\/translation>|<translation\/>/ { print "  " context ": " source }
    ' "$work/hestiva_$code.ts")
    if [[ -n $untranslated ]]; then
        echo "hestiva_$code.ts lacks finished translations of:"
        echo "$untranslated"
        status=1
    fi
done
[[ $status == 0 ]] && echo "all texts translated in dk, no and en"
exit $status
