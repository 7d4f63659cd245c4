#!/usr/bin/env bash
# Builds the program and starts it from its runtime folder (build/stage).
#
#   scripts/run.sh [domvara|stockvane|mintora|pictova] [dk|no|en]
#
# The product defaults to Domvara. A language, when given, is stored in that product's
# settings as the Language menu would store it (the demo database of the language opens);
# without one the product starts in the language it had last time (Danish at first).
set -euo pipefail
cd "$(dirname "$0")/.."

product=${1:-domvara}
language=${2:-}
case $product in
    domvara) Product=Domvara ;;
    stockvane) Product=Stockvane ;;
    mintora) Product=Mintora ;;
    pictova) Product=Pictova ;;
    *) echo "Unknown product '$product': choose domvara, stockvane, mintora or pictova" >&2; exit 2 ;;
esac
case $language in
    "" | dk | no | en) ;;
    *) echo "Unknown language '$language': choose dk, no or en" >&2; exit 2 ;;
esac

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

if [[ -n $language ]]; then
    conf="${XDG_CONFIG_HOME:-$HOME/.config}/Quorvane/$Product.conf"
    mkdir -p "$(dirname "$conf")"
    touch "$conf"
    current=$(sed -n 's/^Language=//p' "$conf" | head -n 1)
    if [[ $current != "$language" ]]; then
        # As the Language menu does: the new language, and the next start opens its demo
        # database, so the last database and its folder are forgotten.
        awk -v lang="$language" '
            /^\[/ { section = $0 }
            section == "[General]" && /^(Language|LastSavedDBFile|LastDBDir)=/ { next }
            { print }
            $0 == "[General]" { print "Language=" lang; done = 1 }
            END { if (!done) { print ""; print "[General]"; print "Language=" lang } }
        ' "$conf" > "$conf.new"
        mv "$conf.new" "$conf"
    fi
fi

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "No display found. On a machine without a desktop, start it in a virtual one:" >&2
    echo "  sudo apt-get install xvfb && xvfb-run -a scripts/run.sh $*" >&2
    exit 1
fi

cd build/stage
exec "./$product"
