#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program into build/ and checks it with lintian:
#   scripts/package.sh
# The package installs under /usr; its dependencies come from the libraries the program links.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
rm -f build/hestiva_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/hestiva_*.deb)
dpkg-deb --info "$deb"
# Errors fail the script; warnings and notes are shown.
lintian --info --display-info "$deb"
