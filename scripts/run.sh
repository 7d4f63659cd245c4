#!/usr/bin/env bash
# Builds the program and starts it from its runtime folder (build/stage).
#
#   scripts/run.sh [domvara|stockvane|mintora|pictova] [dk|no|en]
#
# The product defaults to Domvara. A language, when given, is stored in that product's
# settings as the Language menu would store it: the database opened last opens again, and
# where that was the demo database (as at first start) the demo database of the new language
# opens. Without one the product starts in the language it had last time (Danish at first).
set -euo pipefail
cd "$(dirname "$0")/.."

product=${1:-domvara}
language=${2:-}
case $product in
    domvara) Product=Domvara demo=db/DemoDBStd/DomvaraStdDemoDatabase.%s.db ;;
    stockvane) Product=Stockvane demo=db/DemoStockvane/DemoStockvane.%s.db ;;
    mintora) Product=Mintora demo=db/DemoDBMintora/DemoDBMintora.%s.txt ;;
    pictova) Product=Pictova demo=db/DemoDBReelix/Reelix.%s.db ;;
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
    stored=$(sed -n 's/^Language=//p' "$conf" | head -n 1)
    case $stored in no | en) current=$stored ;; *) current=dk ;; esac
    if [[ $stored != "$language" ]]; then
        # As the Language menu does: the new language; the last database is kept, unless it
        # is the demo database of the old language, which is forgotten so that the demo
        # database of the new one opens.
        # shellcheck disable=SC2059
        old_demo=$(printf "$demo" "$current")
        awk -v lang="$language" -v demo="$old_demo" '
            /^\[/ { section = $0 }
            section == "[General]" && /^Language=/ { next }
            section == "[General]" && /^LastSavedDBFile=/ {
                file = substr($0, length("LastSavedDBFile=") + 1)
                if (file == demo || substr(file, length(file) - length(demo)) == "/" demo) next
            }
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
