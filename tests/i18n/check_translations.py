#!/usr/bin/env python3
"""Fails when a text of the window has no English translation.

Runs lupdate over the program's sources into a copy of the translation file,
so that texts added since the file was last updated show up as unfinished.
Also checks that each translation keeps the place markers (%1, %2 ...) of its
source text. Usage: check_translations.py LUPDATE TS_FILE SOURCE_LIST
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, ts_file, source_list = sys.argv[1:4]


def text_of(element):
    # lupdate writes a carriage return as <byte value="xd"/>.
    if element is None:
        return ''
    parts = [element.text or '']
    for child in element:
        parts.append('\r' if child.tag == 'byte' else '')
        parts.append(child.tail or '')
    return ''.join(parts)


def markers(text):
    return sorted(re.findall(r'%[0-9]+|%[-0-9.]*[a-z]', text))


with tempfile.TemporaryDirectory() as folder:
    copy = folder + '/check.ts'
    shutil.copyfile(ts_file, copy)
    run = subprocess.run([lupdate, '@' + source_list, '-no-obsolete', '-locations', 'none', '-source-language', 'de',
                          '-target-language', 'en', '-ts', copy], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit('lupdate failed:\n' + run.stdout + run.stderr)
    root = ET.parse(copy).getroot()

problems = []
count = 0
for context in root.iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        count += 1
        source = text_of(message.find('source'))
        translation = message.find('translation')
        # A text with a count (%n) has one form per English number form.
        forms = [text_of(form) for form in translation.iter('numerusform')] if translation is not None else []
        englishes = forms if message.get('numerus') == 'yes' else [text_of(translation)]
        if translation is None or translation.get('type') == 'unfinished' or not all(englishes):
            problems.append('%s: no English for %r' % (name, source))
            continue
        for english in englishes:
            if markers(source) != markers(english):
                problems.append('%s: %r keeps other place markers than %r' % (name, english, source))

if count < 100:
    problems.append('only %d texts found: lupdate did not read the sources' % count)
if problems:
    print('\n'.join(problems))
    print('\nUpdate the file with "cmake --build build --target update_translations", then write the English '
          'of these texts into i18n/quaxel_en.ts.')
    sys.exit(1)
print('%d texts, each with its English translation' % count)
