#!/usr/bin/env bash
# Brings the three .ts files up to date with the texts in the code (new texts come in
# unfinished; texts no longer used are dropped). Then translate the new ones, for example with
# scripts/ts_fill.py or Qt Linguist; the test suite fails while any text is unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
sources=(core gui app listview itemdialog export print setup locations csv)
existing=()
for s in "${sources[@]}"; do [[ -d $s ]] && existing+=("$s"); done
for pair in dk:da no:nb en:en; do
    code=${pair%%:*}
    "$lupdate" -silent -no-obsolete -locations none -target-language "${pair##*:}" \
        "${existing[@]}" -ts "resources/translations/hestiva_$code.ts"
done
