#!/bin/sh
# The machine formats of quaxel-cli are the same bytes in every language:
# each command of the table runs under a German and an English desktop, and
# what it writes for programs (standard output of --json/--csv/export, and
# the files it writes) must not differ; the exit statuses neither. One command for people must differ,
# so that the English texts are known to be in use at all.
# Usage: check_machine_formats.sh QUAXEL_CLI SAMPLES_FOLDER
set -u
cli=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

mkdir in
cp "$samples/210-tamb-kubo-servo-dekoder-dcc.hex" in/servo.hex
cp "$samples/109-led-dekoder-signal-sbb-dcc.hex" in/signal.hex
cp "$samples/8-torvel-dcc.hex" in/turnout.hex
# A file cut off before its end record: its warnings are part of info --json.
grep -v '^:00000001FF' in/signal.hex > in/cut.hex
"$cli" export in/servo.hex -o in/servo.json >/dev/null 2>&1 || { echo "export failed"; exit 1; }
sed 's/"switchOff": false/"switchOff": true/' in/servo.json > in/changed.json

# name | command line (words split at blanks) | file it writes, if any
table='export-stdout|export in/servo.hex|
export-file|export in/signal.hex -o out/signal.json|out/signal.json
info-json|info --json in/signal.hex|
info-json-warnings|info --json in/cut.hex|
inventory-csv|inventory --csv in|
inventory-json|inventory --json in|
set-file|set in/turnout.hex -o out/set.hex --slot 1=77g|out/set.hex
set-series|set in/turnout.hex -o out/series.hex --slot 1=9 --series 2 --step 3|out/series-2.hex
apply-file|apply in/servo.hex in/changed.json -o out/apply.hex|out/apply.hex
diff-settings-json|diff --settings --json in/servo.hex in/changed.json|'

run() { # LANG=... RESULT FILE command...: standard output, status and the written FILE as RESULT.*
    run_language=$1 run_result=$2 run_file=$3
    shift 3
    rm -rf out && mkdir out
    # shellcheck disable=SC2086
    env -i PATH="$PATH" $run_language "$cli" "$@" > "$run_result.stdout" 2> "$run_result.stderr"
    echo $? > "$run_result.status"
    [ -z "$run_file" ] || cp "$run_file" "$run_result.written" 2>/dev/null || echo missing > "$run_result.written"
}

failed=0
echo "$table" | while IFS='|' read -r name command written; do
    # shellcheck disable=SC2086
    run LANG=de_DE.UTF-8 "de-$name" "$written" $command
    # shellcheck disable=SC2086
    run LANG=en_US.UTF-8 "en-$name" "$written" $command
    # A command that writes a file says so in words on standard output.
    parts='stdout status'
    [ -z "$written" ] || parts='written status'
    for part in $parts; do
        if ! cmp -s "de-$name.$part" "en-$name.$part"; then
            echo "$name: $part differs between German and English"
            diff "de-$name.$part" "en-$name.$part" | head -5
            echo fail > failed
        fi
    done
    if [ ! -s "de-$name.stdout" ] && [ ! -e "de-$name.written" ]; then
        echo "$name: wrote nothing to compare"; cat "de-$name.stderr"; echo fail > failed
    fi
done
[ -e failed ] && failed=1

# The same run for people speaks each language: the test above compares
# outputs of two languages, not two runs of one.
env -i PATH="$PATH" LANG=de_DE.UTF-8 "$cli" info in/cut.hex > de.txt 2>&1
env -i PATH="$PATH" LANG=en_US.UTF-8 "$cli" info in/cut.hex > en.txt 2>&1
if ! grep -q '^Protokoll:' de.txt || ! grep -q '^Protocol:' en.txt || ! grep -q 'without an end record' en.txt; then
    echo "info does not speak German and English:"; cat de.txt en.txt
    failed=1
fi
# What the English runs said to people is English.
if grep -lE '[äöüßÄÖÜ]|Datei|nicht' en-*.stderr en.txt; then
    echo "German in the English messages above"
    failed=1
fi
[ "$failed" = 0 ] && echo "machine formats equal in German and English"
exit $failed
