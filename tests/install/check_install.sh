#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the installation of a build:
#   check_install.sh BUILD_FOLDER
# It installs the build into a temporary DESTDIR with prefix /usr, validates the launchers and
# the AppStream metadata, and starts each installed product in each language offscreen, from an
# unrelated working directory and with an empty home. Each start must open the product's demo
# database, copied into the user's data folder, with the translations found; nothing may be
# written below the installed tree.
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || {
    cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
usr=$root/usr

# The layout of a normal Linux program.
for file in bin/hestiva bin/domvara bin/stockvane bin/mintora bin/pictova \
    share/hestiva/hestiva_dk.qm share/hestiva/hestiva_no.qm share/hestiva/hestiva_en.qm \
    share/hestiva/qt_dk.qm share/hestiva/qt_no.qm share/hestiva/qt_en.qm share/hestiva/help/index.dk.htm \
    share/hestiva/group/group.dk.txt share/hestiva/location/location.en.txt \
    share/hestiva/Setup/BarcodeFormatFile.txt share/hestiva/Setup/PrinterDevice.txt \
    share/man/man1/hestiva.1.gz share/man/man1/stockvane.1.gz share/doc/hestiva/copyright; do
    [[ -e $usr/$file ]] || fail "not installed: $file"
done
for product in domvara stockvane mintora pictova; do
    [[ $(readlink "$usr/bin/$product") == hestiva ]] || fail "bin/$product is not a link to hestiva"
    for size in 16 22 24 32 48 64 128 256; do
        [[ -f $usr/share/icons/hicolor/${size}x${size}/apps/dk.quorvane.$product.png ]] ||
            fail "no ${size} px icon of $product"
    done
    [[ -f $usr/share/icons/hicolor/scalable/apps/dk.quorvane.$product.svg ]] || fail "no SVG icon of $product"
done

# Launchers and AppStream metadata.
for desktop in "$usr"/share/applications/*.desktop; do
    desktop-file-validate "$desktop" || fail "desktop-file-validate $(basename "$desktop")"
done
[[ $(ls "$usr"/share/applications/*.desktop | wc -l) -eq 4 ]] || fail "not four launchers"
appstreamcli validate --no-net --pedantic "$usr"/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 || {
    cat "$work/appstream.log"; fail "appstreamcli validate"; }

# What the installed tree holds, to see that starting the products writes nothing into it.
snapshot() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
snapshot >"$work/before"

mkdir -p "$work/elsewhere"
declare -A folder=([domvara]=DemoDBStd/DomvaraStdDemoDatabase [stockvane]=DemoStockvane/DemoStockvane
                   [mintora]=DemoDBMintora/DemoDBMintora [pictova]=DemoDBReelix/Reelix)
declare -A suffix=([domvara]=db [stockvane]=db [mintora]=txt [pictova]=db)
declare -A Product=([domvara]=Domvara [stockvane]=Stockvane [mintora]=Mintora [pictova]=Pictova)
# The window caption of each product and language: untranslated it would be the key.
declare -A caption=(
    [Domvara.dk]="Domvara indboregistrering" [Domvara.no]="Domvara innboregistrering"
    [Domvara.en]="Domvara household register" [Stockvane.dk]="Stockvane lagerstyring"
    [Stockvane.no]="Stockvane lagerstyring" [Stockvane.en]="Stockvane stock control"
    [Mintora.dk]="Mintora møntsamling" [Mintora.no]="Mintora myntsamling" [Mintora.en]="Mintora coin collection"
    [Pictova.dk]="Pictova billedsamling" [Pictova.no]="Pictova bildesamling" [Pictova.en]="Pictova picture collection")
for product in domvara stockvane mintora pictova; do
    for language in dk no en; do
        home=$work/home-$product-$language
        mkdir -p "$home/.config/Quorvane"
        printf '[General]\nLanguage=%s\n' "$language" >"$home/.config/Quorvane/${Product[$product]}.conf"
        # Started the way a launcher starts it: by the name on the path, from the home folder's
        # point of view somewhere unrelated.
        output=$(cd "$work/elsewhere" && env -i PATH="$usr/bin:/usr/bin:/bin" HOME="$home" \
            QT_QPA_PLATFORM=offscreen HESTIVA_QUIT_AFTER_START=1 timeout 60 "$product" 2>"$work/stderr") || {
            cat "$work/stderr"; fail "$product ($language) did not end normally"; continue; }
        expected="$home/.local/share/Quorvane/${Product[$product]}/${folder[$product]}.$language.${suffix[$product]}"
        IFS=$'\t' read -r name file count title <<<"$output"
        [[ $name == "${Product[$product]}" ]] || fail "$product ($language) started as '$name'"
        [[ $file == "$expected" ]] || fail "$product ($language) opened '$file', not $expected"
        [[ $count =~ ^[0-9]+$ && $count -gt 0 ]] || fail "$product ($language) read '$count' items"
        [[ -f $expected ]] || fail "$product ($language): no copy $expected"
        [[ $title == "${caption[${Product[$product]}.$language]} - $expected" ]] ||
            fail "$product ($language): caption '$title' (translations not found?)"
        grep -q "^LastSavedDBFile=$expected$" "$home/.config/Quorvane/${Product[$product]}.conf" ||
            fail "$product ($language): the settings do not name the copy"
    done
done

snapshot >"$work/after"
diff "$work/before" "$work/after" >/dev/null || { diff "$work/before" "$work/after" | head; fail "the installed tree changed"; }

if ((failures)); then
    echo "$failures failed"
    exit 1
fi
echo "Installed layout, launchers, metadata and 12 starts checked"
