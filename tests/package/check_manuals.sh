#!/usr/bin/env bash
# The manual pages describe what the programs' --help texts show: every option
# of quaxel and of quaxel-cli and each of its commands, and for each command
# its section and its exit status. The commands are read from
# `quaxel-cli --help`, so a command added there needs its manual entry too.
# Usage: check_manuals.sh QUAXEL QUAXEL_CLI SOURCE_DIR
set -uo pipefail
quaxel=${1:?quaxel} cli=${2:?quaxel-cli} source=${3:?source folder}
fail=0 checked=0
bad() { echo "FAIL: $*"; fail=1; }

# The page's text with roff's escapes for hyphens and fonts removed.
plain() { sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\(em/--/g' "$1"; }
# The lines of one section (.SH NAME up to the next .SH).
section() { plain "$1" | awk -v s="$2" '/^\.SH/ { inside = ($0 == ".SH " s || $0 == ".SH \"" s "\"") ; next } inside'; }
# The option names of a --help text: each line that starts with blanks and a
# dash lists them before its description ("  -o, --output OUT.hex  ...").
options_of() {
  awk '/^ +-/ { for (i = 1; i <= NF; i++) { w = $i; sub(/,$/, "", w); if (w !~ /^-/) break; print w } }'
}
# True when the text has the option as a word of its own.
mentions() { grep -qE -- "(^|[^A-Za-z0-9-])$(sed 's/[.]/\\./g' <<<"$2")([^A-Za-z0-9-]|$)" <<<"$1"; }

check_options() { # PAGE WHAT HELP-TEXT
  local text options option
  text=$(plain "$1")
  options=$(options_of <<<"$3")
  [ -n "$options" ] || bad "$2 --help lists no option"
  for option in $options; do
    checked=$((checked + 1))
    mentions "$text" "$option" || bad "$(basename "$1") does not describe $option of $2"
  done
}

app_page=$source/app/man/quaxel.1
cli_page=$source/cli/man/quaxel-cli.1
check_options "$app_page" quaxel "$(QT_QPA_PLATFORM=offscreen "$quaxel" --help 2>/dev/null)"
check_options "$cli_page" quaxel-cli "$("$cli" --help)"

commands=$("$cli" --help | awk '/^Commands:/ { on = 1; next } on && /^$/ { exit } on && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || bad "quaxel-cli --help lists no command"
described=$(section "$cli_page" COMMANDS)
statuses=$(section "$cli_page" "EXIT STATUS")
for command in $commands; do
  checked=$((checked + 1))
  help=$("$cli" "$command" --help) || bad "quaxel-cli $command --help fails"
  check_options "$cli_page" "quaxel-cli $command" "$help"
  grep -qE "^\.B[IR]? \"?$command( |\"|$)" <<<"$described" || bad "quaxel-cli.1 has no entry for the command $command"
  if grep -q '^Exit status:' <<<"$help"; then
    grep -qxE "\.B $command" <<<"$statuses" || bad "quaxel-cli.1 gives no exit status of $command"
  fi
done

# Each option is described once: two entries of one option drift apart.
twice=$(section "$cli_page" OPTIONS | awk '/^\.TP/ { getline; print }' | sort | uniq -d)
checked=$((checked + 1))
[ -z "$twice" ] || bad "quaxel-cli.1 describes more than once: $twice"
# The window's language comes from the environment, as the manual tells.
environment=$(section "$app_page" ENVIRONMENT)
for variable in LANGUAGE LC_ALL LC_MESSAGES LANG; do
  checked=$((checked + 1))
  mentions "$environment" "$variable" || bad "quaxel.1 does not describe $variable"
done

echo "$checked names checked"
if [ $fail -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $fail
