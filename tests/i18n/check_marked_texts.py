#!/usr/bin/env python3
"""Fails when a text for people in the core, in quaxel-cli or in the program's
start is not marked for translation.

lupdate sees only texts inside tr(), QCoreApplication::translate() and
QT_TRANSLATE_NOOP(); a message written as a bare literal escapes the
completeness test and shows in German in the English program (or the other
way round). This scan looks at every string literal of the given sources
that reads like prose (two words or more) and is not inside such a call.
Machine texts (JSON keys, file formats, debug names) that read like prose
stand in the allow-list below, each with the file it belongs to.
Usage: check_marked_texts.py SOURCE...
"""
import re
import sys

# (file name ending, pattern of the whole literal) of texts that are no text
# to translate: names, file formats and the parser's own wording read back.
ALLOWED = [
    # The decoder types' labels are names; they stay as they are.
    ('decoder/DecoderTypes.cpp', r'.*'),
    # The CSV header and the recovery file's format tag are machine texts.
    ('settings/Inventory.cpp', r'file,type,label,.*'),
    ('document/RecoveryDocument.cpp', r'Quaxel recovery'),
    # QCommandLineParser's English complaints, matched to give our own.
    ('cli/Command.cpp', r'\^(Missing|Unexpected) value after .*'),
    ('image/ByteTexts.h', r'codes must fit in 16 bits'),
    # The window's markup around a file name, and the fixed font's family name.
    ('app/RecentFilesPanel.cpp', r'<a href=.*'),
    ('app/StartUp.cpp', r'Liberation Sans'),
]

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
PROSE = re.compile(r"[A-Za-zÄÖÜäöüß]{2,}[ ,;:]+[A-Za-zÄÖÜäöüß]{2,}")
MARKED = re.compile(r'(\btr|\btranslate|QT_TRANSLATE_NOOP3?|QT_TR_NOOP)\s*\($')


def code_of(text):
    """The source without comments; literals and line breaks kept."""
    out, i, n = [], 0, len(text)
    while i < n:
        if text.startswith('//', i):
            j = text.find('\n', i)
            i = n if j < 0 else j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            out.append('\n' * text.count('\n', i, j))
            i = n if j < 0 else j + 2
        elif text[i] == '"':
            m = LITERAL.match(text, i)
            if not m:
                out.append(text[i]); i += 1; continue
            out.append(m.group(0)); i = m.end()
        elif text[i] == "'" and i + 2 < n:
            j = text.find("'", i + 1 + (text[i + 1] == '\\'))
            out.append(text[i:j + 1]); i = j + 1
        else:
            out.append(text[i]); i += 1
    return ''.join(out)


def opened_call(code, start):
    """The call whose argument list holds position start, if it is open there."""
    depth = 0
    i = start - 1
    while i >= 0:
        c = code[i]
        if c == ')':
            depth += 1
        elif c == '(':
            if depth == 0:
                return code[max(0, i - 40):i + 1]
            depth -= 1
        elif c in ';{}' and depth == 0:
            return ''
        i -= 1
    return ''


problems = []
for path in sys.argv[1:]:
    code = code_of(open(path, encoding='utf-8').read())
    # Brackets inside literals do not count when looking for the call.
    masked = LITERAL.sub(lambda m: '"' + ' ' * (len(m.group(0)) - 2) + '"', code)
    chain_start, last_end = 0, -1
    for m in LITERAL.finditer(code):
        # A literal continued from the one before it belongs to its call.
        if last_end < 0 or code[last_end:m.start()].strip():
            chain_start = m.start()
        last_end = m.end()
        text = m.group(1)
        if not PROSE.search(text) or text.startswith('#include'):
            continue
        if any(path.endswith(f) and re.fullmatch(t, text) for f, t in ALLOWED):
            continue
        start = chain_start
        if MARKED.search(opened_call(masked, start).rstrip()):
            continue
        line = code.count('\n', 0, m.start()) + 1
        problems.append('%s:%d: not marked for translation: "%s"' % (path, line, text))

if problems:
    print('\n'.join(problems))
    print('\nMark each text for people with QCoreApplication::translate() or QT_TRANSLATE_NOOP() where it '
          'is defined; add a machine text to the allow-list of %s.' % sys.argv[0])
    sys.exit(1)
print('%d files: every text for people is marked for translation' % (len(sys.argv) - 1))
