#!/usr/bin/env bash
# The window under a platform theme that brings the desktop's font (qt6ct
# with a 10 pt "Sans Serif", as a desktop set up with it has) is pixel for
# pixel the window without one: the program's fixed font wins.
# Usage: check_theme_font.sh QUAXEL FILE.hex. Exit 77 (skipped) without qt6ct.
set -euo pipefail
quaxel=$1
hex=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/config/qt6ct"
cat >"$out/config/qt6ct/qt6ct.conf" <<'CONF'
[Fonts]
fixed="Monospace,10,-1,5,50,0,0,0,0,0"
general="Sans Serif,10,-1,5,50,0,0,0,0,0"
CONF

shot() {
  local name=$1
  shift
  env "$@" "$quaxel" "$hex" --screenshot "$out/$name.png" 2>"$out/$name.log"
}
shot plain -u QT_QPA_PLATFORMTHEME
shot qt6ct XDG_CONFIG_HOME="$out/config" QT_QPA_PLATFORMTHEME=qt6ct QT_LOGGING_RULES=qt6ct.debug=true
grep -q 'using qt6ct plugin' "$out/qt6ct.log" || { echo "skipped: the qt6ct platform theme is not installed"; exit 77; }
cmp -s "$out/plain.png" "$out/qt6ct.png" || { echo "the window under qt6ct differs from the one without a theme"; exit 1; }
