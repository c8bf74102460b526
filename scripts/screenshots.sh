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
rm -f "$root/docs"/printed-*.pdf
ls "$root/docs"/*.png
