#!/bin/sh
# The change list of diff --settings names slots in the reader's language:
# the signal decoder's two "Halt" slots, both changed, read with their
# numbers under each desktop language of the table; the --json document of
# the same comparison is the same bytes in every language.
# Usage: check_slot_labels_language.sh QUAXEL_CLI SAMPLES_FOLDER
set -u
cli=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

cp "$samples/203-led-dekoder-signal-003-obb-dcc.hex" signal.hex
"$cli" export signal.hex -o signal.json >/dev/null 2>&1 || { echo "export failed"; exit 1; }
# Both "Halt" slots (1 and 8) get another address.
python3 - signal.json changed.json <<'PY' || { echo "changing the document failed"; exit 1; }
import json, sys
document = json.load(open(sys.argv[1], encoding='utf-8'))
def slots(node):
    if isinstance(node, dict):
        if 'slot' in node and 'address' in node:
            yield node
        for value in node.values():
            yield from slots(value)
    elif isinstance(node, list):
        for value in node:
            yield from slots(value)
changed = 0
for slot in slots(document):
    if slot['slot'] in (1, 8):
        slot['address'] = (slot['address'] + 100) % 2000
        changed += 1
if changed != 2:
    sys.exit('found %d of the two slots' % changed)
json.dump(document, open(sys.argv[2], 'w', encoding='utf-8'), ensure_ascii=False, indent=2)
PY

# environment | the two slots' names as the change list begins their lines | a name that must not appear
table='LANG=de_DE.UTF-8|Halt (Slot 1): |Halt (Slot 8): |Stop
LANG=C.UTF-8|Halt (Slot 1): |Halt (Slot 8): |Stop
LANG=en_US.UTF-8|Stop (Slot 1): |Stop (Slot 8): |Halt
LANGUAGE=en LANG=de_DE.UTF-8|Stop (Slot 1): |Stop (Slot 8): |Halt'

echo "$table" | while IFS='|' read -r language first second absent; do
    # shellcheck disable=SC2086
    env -i PATH="$PATH" $language "$cli" diff --settings signal.hex changed.json > text 2>&1
    # shellcheck disable=SC2086
    env -i PATH="$PATH" $language "$cli" diff --settings --json signal.hex changed.json > json.$$ 2>&1
    for name in "$first" "$second"; do
        if ! grep -q -F -e "$name" text; then
            echo "$language: no line begins with \"$name\""
            cat text
            echo fail > failed
        fi
    done
    if grep -q -w -e "$absent" text; then
        echo "$language: the change list names \"$absent\""
        cat text
        echo fail > failed
    fi
    if [ -f json.first ]; then
        cmp -s json.first json.$$ || { echo "$language: --json differs"; diff json.first json.$$ | head -5; echo fail > failed; }
    else
        mv json.$$ json.first
    fi
    rm -f json.$$
done
[ ! -f failed ] || exit 1
echo "slot labels follow the language; --json is the same in each"
