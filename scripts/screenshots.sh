#!/usr/bin/env bash
# Remakes the pictures in docs/: runs the program under Xvfb with a fixed seed and saves
# its windows as a user sees them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --tests
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$root/build/tests/screenshots" "$root/docs"
# The printed pages, as they come out of the print service.
pdftoppm -r 60 -png -singlefile "$root/docs/printed-1.pdf" "$root/docs/printed-worksheet"
pdftoppm -r 60 -png -singlefile "$root/docs/printed-2.pdf" "$root/docs/printed-grid"
pdftoppm -r 60 -png -singlefile "$root/docs/printed-3.pdf" "$root/docs/printed-results"
# printed-4 is the hidden numbers' sheet, shown by its window (grid-hidden)
pdftoppm -r 60 -png -singlefile "$root/docs/printed-5.pdf" "$root/docs/printed-class"
rm -f "$root/docs"/printed-*.pdf
# The same windows at twice the size, as on a large or high-density screen.
big="$(mktemp -d)"
trap 'rm -rf "$big"' EXIT
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24 -dpi 96" "$root/build/tests/screenshots" "$big"
for name in main-menu board-addition board-recognise worksheet-window results-page teacher-view chi-sei \
    board-game board-hidden; do
    cp "$big/$name.png" "$root/docs/$name-2x.png"
done
ls "$root/docs"/*.png
