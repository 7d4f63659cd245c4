#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Hestiva.
# Quick when everything is already there: it only asks dpkg.
#   scripts/deps.sh           what building, running and testing need
#   scripts/deps.sh package   also what making and checking the Debian package needs
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev
    # the sanitizer and fuzzing builds of the core
    clang libclang-rt-14-dev
    # a usable desktop session on a bare machine: fonts and the X platform plugin's needs
    fonts-dejavu-core libxkbcommon-x11-0 libxcb-cursor0 xdg-utils
    # tests read printed PDF files back as text
    poppler-utils
    # the installation test validates the launchers and the AppStream metadata
    desktop-file-utils appstream
)
if [[ ${1:-} == package ]]; then
    # cpack's dependency lookup (dpkg-shlibdeps) and the package checker
    packages+=(dpkg-dev file lintian)
fi

missing=()
for p in "${packages[@]}"; do
    [[ $p == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [[ $(id -u) -ne 0 ]] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
