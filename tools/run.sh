#!/usr/bin/env bash
# Builds and starts Quaxel. Usage: tools/run.sh [FILE.hex]
# Without a reachable display the main window is rendered offscreen, with the
# given file (or a bundled sample firmware) loaded, into a PNG picture.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
bash "$root/tools/setup.sh" "$build"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/quaxel" "$@"
fi

picture="$build/quaxel-screenshot.png"
file=${1:-$root/samples/demo.hex}
echo "No display can be reached, so Quaxel shows its main window as a picture instead."
QT_QPA_PLATFORM=offscreen "$build/quaxel" "$file" --screenshot "$picture" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
echo "$picture"
