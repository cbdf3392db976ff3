#!/usr/bin/env bash
# The program's picture of a HEX file in each desktop language: German under
# de_DE, C.UTF-8 and without LANG, pixel for pixel the same; English under
# en_US, another picture, whichever of LANGUAGE, LC_ALL, LC_MESSAGES and LANG
# names it first. Usage: check_language_screenshots.sh QUAXEL FILE.hex
set -euo pipefail
quaxel=$1
hex=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

shot() {
  local name=$1
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$quaxel" "$hex" --screenshot "$out/$name.png" 2>/dev/null
}
shot de LANG=de_DE.UTF-8
shot c LANG=C.UTF-8
shot unset -u LANG
shot en LANG=en_US.UTF-8
shot language_en LANG=de_DE.UTF-8 LANGUAGE=en_GB:de
shot lc_all_en LANG=de_DE.UTF-8 LC_ALL=en_US.UTF-8
shot lc_messages_en LANG=de_DE.UTF-8 LC_MESSAGES=en_US.UTF-8
shot lc_all_c LANG=en_US.UTF-8 LC_ALL=C.UTF-8

status=0
for name in c unset lc_all_c; do
  cmp -s "$out/de.png" "$out/$name.png" || { echo "the window under $name differs from de_DE"; status=1; }
done
cmp -s "$out/de.png" "$out/en.png" && { echo "the window under en_US is the German one"; status=1; }
cmp -s "$out/en.png" "$out/language_en.png" || { echo "LANGUAGE=en_GB does not win over LANG=de_DE"; status=1; }
for name in lc_all_en lc_messages_en; do
  cmp -s "$out/en.png" "$out/$name.png" || { echo "${name%_en} in English does not win over LANG=de_DE"; status=1; }
done
exit $status
