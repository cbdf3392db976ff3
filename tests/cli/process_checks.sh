#!/bin/sh
# Exit statuses of quaxel-cli and of "quaxel --screenshot" as whole processes,
# and that quaxel-cli needs no display library.
# Usage: process_checks.sh QUAXEL-CLI QUAXEL SAMPLES-DIR
cli=$1
quaxel=$2
samples=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS COMMAND...: runs COMMAND and checks its exit status.
expect() {
    want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: exit $got, expected $want: $*"
        sed 's/^/  | /' "$work/err"
        failures=$((failures + 1))
    fi
}

dcc=$samples/457-led-dekoder-signal-001-einfahrsignal-ab-v3-37-dcc.hex
mot=$samples/457-led-dekoder-signal-001-einfahrsignal-ab-v3-37-mot.hex
expect 0 "$cli" --help
expect 0 "$cli" info "$dcc" --json
expect 1 "$cli" info "$samples/index.txt"
expect 2 "$cli" info
expect 0 "$cli" diff "$dcc" "$dcc"
expect 1 "$cli" diff "$dcc" "$mot"
expect 2 "$cli" diff "$dcc" "$work/missing.hex"
expect 0 "$cli" set "$dcc" -o "$work/set.hex" --slot 1=42g
expect 0 "$cli" diff "$work/set.hex" "$work/set.hex"
expect 1 "$cli" set "$dcc" -o "$work/refused.hex" --slot 1=4000
[ -e "$work/refused.hex" ] && { echo "FAIL: a refused set wrote its file"; failures=$((failures + 1)); }

# A file size limit makes a write fail like any other: status 1, a message
# naming the file, and nothing left of it (no SIGXFSZ, status 153).
for command in "export $dcc" "set $dcc --slot 1=42g"; do
    # shellcheck disable=SC2086
    expect 1 sh -c "ulimit -f 1; exec \"\$0\" \"\$@\"" "$cli" $command -o "$work/limited.out"
    grep -q "limited.out" "$work/err" || { echo "FAIL: no message naming the file: $command"; failures=$((failures + 1)); }
    [ -e "$work/limited.out" ] && { echo "FAIL: a partial file is left: $command"; failures=$((failures + 1)); }
done
# Standard output that cannot be written fails the command with the status it
# documents for a failed operation, never with the one for a wrong command line.
expect 0 "$cli" export "$dcc" -o "$work/dcc.json"
full() { # STATUS COMMAND...
    want=$1
    shift
    "$@" >/dev/full 2>"$work/err"
    got=$?
    if [ "$got" -ne "$want" ] || ! grep -q 'Standardausgabe: Schreibfehler' "$work/err"; then
        echo "FAIL: exit $got, expected $want, with standard output full: $*"
        sed 's/^/  | /' "$work/err"
        failures=$((failures + 1))
    fi
}
full 1 "$cli" info "$dcc"
full 1 "$cli" set "$dcc" -o - --slot 1=42g
full 1 "$cli" export "$dcc"
full 1 "$cli" apply "$dcc" "$work/dcc.json" -o -
full 2 "$cli" diff "$dcc" "$mot"
full 2 "$cli" diff --settings "$dcc" "$mot"
full 2 "$cli" inventory "$dcc"

if command -v ldd >/dev/null && ldd "$cli" | grep -q 'libQt6\(Gui\|Widgets\)'; then
    echo "FAIL: quaxel-cli links a display library:"
    ldd "$cli" | grep libQt6
    failures=$((failures + 1))
fi

# The picture is written whether or not the file loads; the status tells.
expect 0 "$quaxel" "$dcc" --screenshot "$work/good.png"
expect 1 "$quaxel" "$samples/index.txt" --screenshot "$work/bad.png"
expect 1 "$quaxel" "$work/missing.hex" --screenshot "$work/missing.png"
# A picture of playback; a time that is no number, or one without a picture
# (which would start the window and wait), is refused at once.
expect 0 "$quaxel" "$samples/demo-blink.hex" --screenshot "$work/playing.png" --play-at 1300
expect 1 "$quaxel" "$samples/demo-blink.hex" --screenshot "$work/never.png" --play-at soon
expect 1 "$quaxel" "$samples/demo-blink.hex" --play-at 1300
[ -e "$work/never.png" ] && { echo "FAIL: a refused --play-at wrote a picture"; failures=$((failures + 1)); }
for picture in good bad missing playing; do
    [ -s "$work/$picture.png" ] || { echo "FAIL: no picture $picture.png"; failures=$((failures + 1)); }
done

[ "$failures" -eq 0 ] && echo "all process checks passed"
exit "$failures"
