#!/usr/bin/env bash
# Remakes the pictures in docs/: runs the program under Xvfb with a fixed seed and saves
# its windows as a user sees them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --tests
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$root/build/tests/screenshots" "$root/docs"
# The printed pages, as they come out of the print service; the hidden numbers' sheet and
# the counting sheet are shown by their windows (grid-hidden, grid-steps), the counting
# sheet's solution as printed.
for page in worksheet grid results class steps-2; do
    name=printed-$page
    [[ $page == steps-2 ]] && name=printed-steps-solution
    pdftoppm -r 60 -png -singlefile "$root/docs/printed-$page.pdf" "$root/docs/$name"
done
rm -f "$root/docs"/printed-*.pdf
# The same windows at twice the size, as on a large or high-density screen.
big="$(mktemp -d)"
trap 'rm -rf "$big"' EXIT
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24 -dpi 96" "$root/build/tests/screenshots" "$big"
for name in main-menu board-addition board-recognise worksheet-window results-page teacher-view chi-sei \
    board-game board-hidden board-steps plan-window; do
    cp "$big/$name.png" "$root/docs/$name-2x.png"
done
ls "$root/docs"/*.png
