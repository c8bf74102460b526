#!/usr/bin/env bash
# Fails, naming the files, when a source of src/ is not laid out as .clang-format says.
# Usage: scripts/format-check.sh   (scripts/format-check.sh --fix rewrites them in place)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 2>/dev/null || find src -name '*.cpp' -o -name '*.h')
if [[ ${1:-} == --fix ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
(($# == 0)) || { echo "usage: $0 [--fix]" >&2; exit 2; }
bad=()
for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if ((${#bad[@]})); then
    echo "Not as .clang-format lays them out (scripts/format-check.sh --fix): ${bad[*]}" >&2
    exit 1
fi
echo "src/: ${#files[@]} files as .clang-format lays them out ($(clang-format --version | head -n 1))"
