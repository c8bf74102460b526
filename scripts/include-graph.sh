#!/usr/bin/env bash
# Prints the include graph of src/ by wing (how many includes go from each wing to each other
# one) and fails when a file includes a header of a higher wing, when a folder of src/ is no
# wing, or when files include each other in a loop (a .h and its .cpp count as one unit).
# The wings from the lowest:
#   core/base      conversions of the old runtime, the random generator, the levels, the maximum
#   core/sheets    the worksheets: layouts, grid sheets, line wrapping
#   core/board     the board rules: the catalogue of boards, the frame, the exercises
#   core/records   what the run's answers leave: the run record, the teacher's page's texts
#   core/sessions  a child's session on the school's share: its file, its keeping and saving
#   core/classes   a class: its list, the children's symbols, reading its folder, its results
#   core/practice  practice that follows each child: the teacher's plan, the review of misses
#   core/speech    what is said: the number words, the board's voice
#   core/settings  the starting options: the settings, the command line, the files
#   ui/input    keys, the answer box, the keyboard scroll bar, safe paste
#   ui/design   the window designs, the design area, the control factory, the cell button
#   ui/system   sound, printing, the style, the window system's title
#   ui/access   assistive technology
#   ui/windows  the program's windows, the window host, the dialogs
#   app         the application controller, the start-up, main
# Usage: scripts/include-graph.sh [src folder]
set -euo pipefail
src="$(cd "${1:-$(dirname "$0")/../src}" && pwd)"
wings=(core/base core/sheets core/board core/records core/sessions core/classes core/practice core/speech core/settings ui/input ui/design ui/system ui/access ui/windows app)

rank() {
    local i
    for i in "${!wings[@]}"; do
        [[ ${wings[$i]} == "$1" ]] && { echo "$i"; return; }
    done
    echo -1
}
wing_of() { # src-relative path -> its wing
    case "$1" in
    core/*/* | ui/*/*) local top=${1%%/*} rest=${1#*/}; echo "$top/${rest%%/*}" ;;
    */*) echo "${1%%/*}" ;;
    *) echo "." ;;
    esac
}

declare -A edges=() wing_rank=()
for w in "${wings[@]}"; do wing_rank[$w]=$(rank "$w"); done
status=0
pairs="$(mktemp)"
trap 'rm -f "$pairs"' EXIT

while read -r file; do
    file=${file#"$src"/}
    [[ -n ${wing_rank[$(wing_of "$file")]:-} ]] || { echo "src/$file is in no wing (${wings[*]})" >&2; status=1; }
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

while IFS=: read -r file target; do
    file=${file#"$src"/}
    unit=${file%.*}
    [[ ${target%.h} == "$unit" ]] || echo "$unit ${target%.h}" >>"$pairs"
    from=$(wing_of "$file")
    to=$(wing_of "$target")
    [[ -n ${wing_rank[$to]:-} ]] || continue
    [[ -n ${wing_rank[$from]:-} ]] || continue
    edges[$from $to]=$((${edges[$from $to]:-0} + 1))
    if ((wing_rank[$to] > wing_rank[$from])); then
        echo "include against the order: src/$file ($from) includes $target ($to)" >&2
        status=1
    fi
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort | xargs grep -Ho '^#include "[^"]*"' |
    sed 's/#include "\(.*\)"/\1/')

if ! loop="$(tsort "$pairs" 2>&1 >/dev/null)"; then
    echo "files that include each other in a loop:" >&2
    sed 's/^tsort: .*input contains a loop:$/  loop:/; s/^tsort: /    src\//' <<<"$loop" >&2
    status=1
fi

echo "includes by wing (from -> to: count)"
for from in "${wings[@]}"; do
    for to in "${wings[@]}"; do
        [[ -n ${edges[$from $to]:-} ]] && printf '  %-13s -> %-13s %4d\n' "$from" "$to" "${edges[$from $to]}"
    done
done
((status == 0)) && echo "no include against the order, no loop between files"
exit "$status"
