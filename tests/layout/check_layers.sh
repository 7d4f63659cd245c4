#!/usr/bin/env bash
# Fails when an #include reaches up the layers of the program:
#   core <- gui <- features (listview, itemdialog, export, print, setup, locations, csv) <- app
# A folder may include from its own layer and those below it; the feature folders may include
# each other. Headers are included by bare file name, so each name is looked up in the folder
# that holds it (ui_X.h is made from X.ui). A name found in two folders, a quoted include found
# in none, and a source folder missing from the table below fail too, so that the check cannot
# quietly miss a header.
#   check_layers.sh <source dir>
set -euo pipefail
src=$1

declare -A layer=([core]=0 [gui]=1 [app]=3)
for feature in listview itemdialog export print setup locations csv; do
    layer[$feature]=2
done
# Folders of sources that are no part of the program's layers.
outside=" tests bench fuzz data resources scripts "

status=0
fail() {
    echo "$1"
    status=1
}

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    [[ -n ${layer[$folder]:-} || $outside == *" $folder "* || $folder == build* ]] && continue
    if [[ -n $(find "$dir" -name '*.h' -o -name '*.cpp' | head -n 1) ]]; then
        fail "$folder/ holds sources but has no layer in check_layers.sh"
    fi
done

declare -A home
for folder in "${!layer[@]}"; do
    [[ -d $src/$folder ]] || continue
    while IFS= read -r path; do
        name=$(basename "$path")
        [[ $name == *.ui ]] && name="ui_${name%.ui}.h"
        if [[ -n ${home[$name]:-} && ${home[$name]} != "$folder" ]]; then
            fail "$name is in both ${home[$name]}/ and $folder/"
        fi
        home[$name]=$folder
    done < <(find "$src/$folder" -name '*.h' -o -name '*.ui')
done

for folder in "${!layer[@]}"; do
    [[ -d $src/$folder ]] || continue
    while IFS= read -r path; do
        file=${path#"$src"/}
        while IFS=: read -r number name; do
            [[ $name == *.moc ]] && continue
            # A folder-qualified include names its folder; a bare one is looked up.
            target=${name%%/*}
            [[ $name == */* && -n ${layer[$target]:-} ]] || target=${home[${name##*/}]:-}
            if [[ -z $target ]]; then
                fail "$file:$number includes $name, which no layer folder holds"
            elif ((layer[$target] > layer[$folder])); then
                fail "$file:$number includes $name from $target/, a layer above $folder/"
            fi
        done < <(awk '/^[ \t]*#[ \t]*include[ \t]*"/ {
                          name = $0; sub(/^[^"]*"/, "", name); sub(/".*/, "", name); print FNR ":" name }' "$path")
    done < <(find "$src/$folder" -name '*.h' -o -name '*.cpp')
done

[[ $status == 0 ]] && echo "no include reaches up a layer"
exit $status
