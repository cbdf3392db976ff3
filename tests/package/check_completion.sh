#!/usr/bin/env bash
# Installs the build into a scratch prefix and lets Debian's bash-completion
# load the completion of quaxel-cli from where it looks for it; then each row
# of the table types a command line and names what TAB offers.
# Usage: check_completion.sh BUILD_DIR. Exit 77 (skipped) without bash-completion.
set -uo pipefail
export LC_ALL=C
build=${1:?build directory}
loader=/usr/share/bash-completion/bash_completion
[ -r "$loader" ] || { echo "skipped: bash-completion is not installed"; exit 77; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "0 passed, 1 failed"; exit 1; }
export XDG_DATA_DIRS=$prefix/share PATH=$prefix/bin:$PATH BASH_COMPLETION_USER_DIR=$prefix/none
# Files to offer: HEX files in either case, settings documents where one is
# expected, and folders; never other files.
cd "$prefix" && mkdir work && cd work && touch a.hex B.HEX doc.json notes.txt && mkdir folder

source "$loader"
__load_completion quaxel-cli || { echo "bash-completion finds no completion for quaxel-cli"; echo "0 passed, 1 failed"; exit 1; }
completion=$(complete -p quaxel-cli | awk '{ print $(NF - 1) }')

# What TAB offers after LINE (the last word is the one being completed),
# sorted, one line.
offered() {
  local line=$1
  COMP_LINE=$line COMP_POINT=${#line}
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$completion" quaxel-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ' -
}

commands=$(quaxel-cli --help | awk '/^Commands:/ { on = 1; next } on && /^$/ { exit } on && /^  [a-z]/ { print $1 }' | sort | paste -sd ' ' -)
passed=0 failed=0
while IFS='|' read -r line expected; do
  [ -n "$line" ] || continue
  expected=${expected//@commands@/$commands}
  got=$(offered "$line")
  if [ "$got" = "$expected" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: '$line<TAB>' offers '$got', expected '$expected'"
  fi
done <<'TABLE'
quaxel-cli se|set
quaxel-cli i|info inventory
quaxel-cli inf|info
quaxel-cli |--help --version @commands@
quaxel-cli --v|--version
quaxel-cli info --|--help --json
quaxel-cli diff a.hex --f|--force
quaxel-cli set in.hex --o|--output
quaxel-cli set in.hex --s|--series --slot --step
quaxel-cli diff |B.HEX a.hex folder
quaxel-cli diff a.hex f|folder
quaxel-cli set in.hex -o |B.HEX a.hex folder
quaxel-cli set in.hex --output a|a.hex
quaxel-cli set in.hex --series |
quaxel-cli set in.hex --slot |
quaxel-cli diff --|--force --help --json --settings
quaxel-cli apply |B.HEX a.hex folder
quaxel-cli apply a.hex |doc.json folder
quaxel-cli apply a.hex doc.json -o |B.HEX a.hex folder
quaxel-cli apply a.hex doc.json -o out.hex |
quaxel-cli export a.hex -o |doc.json folder
quaxel-cli diff --settings |B.HEX a.hex doc.json folder
quaxel-cli diff --settings --json a.hex |B.HEX a.hex doc.json folder
quaxel-cli inventory --csv a.hex |B.HEX a.hex folder
TABLE

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
