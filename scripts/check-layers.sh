#!/usr/bin/env bash
# Fails when a source file includes a header of a layer that it may not use. Each folder may
# include itself and what lies below it: app -> ui -> (robot, review, champion, sound, store)
# -> core, with review and champion -> expert -> core; sound, store and ui also reach the
# platform layer's headers (platform/*.h) and the resource ids; an implementation of the
# platform layer reaches the headers and the resources only.
set -uf
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2
allowed() { # FOLDER -> the include prefixes it may use
    case $1 in
    core) echo "core/" ;;
    robot | expert) echo "$1/ core/" ;;
    review) echo "review/ expert/ core/" ;;
    champion) echo "champion/ expert/ core/" ;;
    sound | store) echo "$1/ core/ platform/[a-z_]*\.h res/resources.h" ;;
    ui) echo "ui/ robot/ review/ expert/ champion/ sound/ store/ core/ platform/[a-z_]*\.h res/resources.h" ;;
    platform/*/*) echo "${1%/*}/ platform/[a-z_]*\.h res/resources.h" ;;
    platform) echo "platform/[a-z_]*\.h" ;;
    res) echo "res/" ;;
    esac
}
status=0
while IFS= read -r file; do
    folder=${file%%/*}
    case $file in platform/*/*) folder=${file%/*}/x ;; app/*) continue ;; esac
    rules=$(allowed "$folder")
    while IFS= read -r inc; do
        ok=""
        for rule in $rules; do
            [[ $inc =~ ^$rule ]] && ok=1 && break
        done
        [ -n "$ok" ] || { echo "$file includes \"$inc\" against the layers" >&2; status=1; }
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find core robot expert review champion sound store ui platform app res -name '*.[ch]*' 2>/dev/null | sort)
exit $status
