#!/usr/bin/env bash
# Remakes the pictures in docs/: runs the program under Xvfb with a fixed seed and saves
# its windows as a user sees them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --tests
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$root/build/tests/screenshots" "$root/docs"
ls "$root/docs"/*.png
