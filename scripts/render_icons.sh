#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders each product's icon (resources/products/<product>.svg) into the PNG sizes of the
# desktop's icon theme, resources/products/hicolor/<size>x<size>/apps/dk.quorvane.<product>.png.
# The renders are committed, so building needs no SVG renderer; run this after changing an SVG
# (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/products"

for product in domvara stockvane mintora pictova; do
    for size in 16 22 24 32 48 64 128 256; do
        folder=hicolor/${size}x${size}/apps
        mkdir -p "$folder"
        rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$product.svg" \
            --output "$folder/dk.quorvane.$product.png"
    done
done
