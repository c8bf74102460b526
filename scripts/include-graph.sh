#!/usr/bin/env bash
# Prints the include graph of src/ by folder (how many includes go from each folder to each
# other one) and fails when a folder includes a header of a higher folder. The folders from
# the lowest: core (rules), ui (windows and services), app (controller and main).
set -euo pipefail
src="$(cd "$(dirname "$0")/../src" && pwd)"
levels=(core ui app)
level() {
    local i
    for i in "${!levels[@]}"; do
        [[ ${levels[$i]} == "$1" ]] && { echo "$i"; return; }
    done
    echo -1
}

declare -A edges=()
status=0
for from in "${levels[@]}"; do
    [[ -d $src/$from ]] || continue
    while IFS=: read -r file target; do
        to=${target%%/*}
        [[ $(level "$to") -ge 0 ]] || continue
        edges[$from $to]=$((${edges[$from $to]:-0} + 1))
        if (($(level "$to") > $(level "$from"))); then
            echo "upward include: src/$from/${file##*/} includes $target" >&2
            status=1
        fi
    done < <(grep -rHo '^#include "[^"]*"' "$src/$from" --include='*.h' --include='*.cpp' |
        sed 's/#include "\(.*\)"/\1/')
done
# Any other folder under src/ is outside the layering.
for dir in "$src"/*/; do
    name=$(basename "$dir")
    if [[ $(level "$name") -lt 0 ]]; then
        echo "folder src/$name is not one of: ${levels[*]}" >&2
        status=1
    fi
done

echo "includes by folder (from -> to: count)"
for from in "${levels[@]}"; do
    for to in "${levels[@]}"; do
        [[ -n ${edges[$from $to]:-} ]] && printf '  %-4s -> %-4s %4d\n' "$from" "$to" "${edges[$from $to]}"
    done
done
if ((status == 0)); then
    echo "no upward include"
fi
exit "$status"
