#!/usr/bin/env python3
"""Builds the sample firmwares in samples/ from the descriptions in tools/samples.txt.

Every sample becomes an Intel HEX file in the dialect Quaxel writes (extended address
record, ROM in records of 16 bytes, ID record, CONFIG record, EEPROM words in records of
8, end record, CR LF line ends) and one line of samples/index.txt, which the tests read:

    name <TAB> type code <TAB> protocol panel text <TAB> type label <TAB> slots

where slots is a blank-separated list of S:ADDRESS followed by g or r (accessory output),
fN (function number) or nothing (erased slot).

The address codes are computed here from the track formats (Motorola trits, DCC accessory
packet bytes, DCC locomotive bytes, the Motorola locomotive list), independently of the
C++ tables, so that the samples cross-check them.

    gen_samples.py [--description FILE] [--out DIR]     write the samples
    gen_samples.py [--description FILE] --check DIR     regenerate into a temporary
                                                         folder and compare with DIR
"""

import argparse
import filecmp
import os
import sys
import tempfile

ROM_WORDS = 2048
EEPROM_BYTES_WRITTEN = 128
TURNTABLE_CODES = {48: 12543, 24: 1566720}
TURNTABLE_MARKER = {48: 0x2F, 24: 0x17}  # low byte of program word 137 (ROM byte 274)

# Protocol markers: program word 8, or word 8 = 0x1C0C and the marker in word 35.
MOT_MARKER = 0x1C8B
DCC_MARKER = 0x1905
SECOND_FORM_WORD8 = 0x1C0C
PROTOCOL_PANEL = {'mot': 'Mot', 'mot35': 'Mot', 'dcc': 'DCC', 'dcc35': 'DCC', 'none': 'ohne'}

MOT_FUNCTION_CODES = {1: 0x51, 2: 0x05, 3: 0x15, 4: 0x55}
DCC_FUNCTION_CODES = {n: (0x80 if n <= 4 else 0xB0 if n <= 8 else 0xA0) | (1 << ((n - 1) % 4)) for n in range(1, 13)}

# Motorola locomotive addresses 81..255 do not follow the trit rule; the decoders use this list.
MOT_LOCO_81_TO_255 = """
0100 0180 025C 01C0 0120 01A0 0160 01E0 0110 0190 0150 01D0 0130 01B0 0170 01F0 0108 0188 0148 01C8
0128 01A8 0168 01E8 0118 0198 0158 01D8 0138 01B8 0178 01F8 0104 0184 0144 01C4 0124 01A4 0164 01E4
0114 0194 027C 01D4 0134 01B4 0174 01F4 010C 018C 014C 01CC 012C 01AC 016C 01EC 011C 019C 015C 01DC
013C 01BC 017C 01FC 0040 0060 0050 0070 0048 0068 0058 0078 0044 0064 0054 0074 004C 006C 005C 007C
0340 0360 0350 0370 0348 0368 0358 0378 0344 0364 0354 0374 034C 036C 035C 037C 0240 0260 0250 0270
0248 0268 0258 0278 0244 0264 0254 0274 024C 026C 0140 0154 0010 0018 0014 001C 0310 0318 0314 031C
0210 0218 0214 021C 00D0 00D8 00D4 00DC 03D0 03D8 03D4 03DC 02D0 02D8 02D4 02DC 0090 0098 0094 009C
0390 0398 0394 039C 0290 0298 0294 029C 0004 0304 0204 00C4 03C4 02C4 0084 0384 0284 0034 0334 0234
00F4 03F4 02F4 00B4 03B4 02B4 0024 0324 0224 00E4 03E4 02E4 00A4 03A4 02A4
""".split()
assert len(MOT_LOCO_81_TO_255) == 175


class DescriptionError(Exception):
    pass


# ---------------------------------------------------------------- address codes

def trit_bits(trit):
    return {0: 0b00, 1: 0b11, 2: 0b10}[trit]


def motorola_decoder_bytes(decoder):
    """Bytes 1 and 2 of a Motorola decoder number 1..80 (80 is sent as 0)."""
    value = decoder % 80
    trits = []
    for _ in range(4):
        trits.append(value % 3)
        value //= 3
    byte1 = trit_bits(trits[0])
    byte2 = (trit_bits(trits[1]) << 6) | (trit_bits(trits[2]) << 4) | (trit_bits(trits[3]) << 2)
    return byte1, byte2


def motorola_accessory_code(address, green):
    if address == 0:
        return (0xFF, 0xFF, 0xFF)
    if not 1 <= address <= 320:
        raise DescriptionError(f"Motorola accessory address {address} out of range")
    decoder, pair = (address - 1) // 4 + 1, (address - 1) % 4
    byte1, byte2 = motorola_decoder_bytes(decoder)
    pair_bits = (0x03, 0x33, 0x0F, 0x3F)[pair]
    return (byte1, byte2, pair_bits | (0xC0 if green else 0x00))


def dcc_accessory_code(address, green):
    if not 1 <= address <= 2044:
        raise DescriptionError(f"DCC accessory address {address} out of range")
    decoder, pair = (address - 1) // 4 + 1, (address - 1) % 4
    packet1 = 0x80 | (decoder & 0x3F)
    packet2 = 0x80 | ((~(decoder >> 6) & 7) << 4) | 0x08 | (pair << 1) | (1 if green else 0)
    return (packet1 ^ packet2, (packet2 << 1) & 0xFF, ((decoder & 0x3F) << 2) | 0x01)


def motorola_loco_bytes(address):
    if 1 <= address <= 80:
        return motorola_decoder_bytes(address)
    if 81 <= address <= 255:
        entry = MOT_LOCO_81_TO_255[address - 81]
        return int(entry[:2], 16), int(entry[2:], 16)
    raise DescriptionError(f"Motorola locomotive address {address} out of range")


def dcc_loco_bytes(address):
    if not 0 <= address <= 16128:
        raise DescriptionError(f"DCC locomotive address {address} out of range")
    low, high = address % 256, address // 256
    if low > 127 or address > 255:
        high |= 0xC0
    return low, high


def function_code(protocol, number):
    table = MOT_FUNCTION_CODES if protocol.startswith('mot') else DCC_FUNCTION_CODES
    if number not in table:
        raise DescriptionError(f"function number {number} out of range")
    return table[number]


def slot_code(protocol, slot):
    """The three EEPROM bytes (at j, j + 16, j + 32) of a described slot."""
    if slot['kind'] == 'erased':
        return (0xFF, 0xFF, 0xFF)
    is_mot = protocol.startswith('mot') or protocol == 'none'
    if slot['kind'] == 'accessory':
        encode = motorola_accessory_code if is_mot else dcc_accessory_code
        return encode(slot['address'], slot['green'])
    if is_mot:
        return (*motorola_loco_bytes(slot['address']), function_code('mot', slot['function']))
    return (function_code('dcc', slot['function']), *dcc_loco_bytes(slot['address']))


def slot_eeprom_index(slot):
    if not 0 <= slot < 48:
        raise DescriptionError(f"slot {slot} out of range")
    return slot if slot < 16 else 64 + (slot - 16) % 16


# ---------------------------------------------------------------- description file

def new_sample(name):
    return {'name': name, 'code': None, 'turntable': None, 'protocol': None, 'label': None,
            'id': '1340', 'config': '103F', 'rom_words': None, 'slots': [], 'eeprom': [], 'tables': []}


def parse_slot(fields):
    if len(fields) not in (2, 3):
        raise DescriptionError("slot needs: slot S ADDRESS [g|r|fN]")
    slot = {'slot': int(fields[0]), 'address': int(fields[1])}
    form = fields[2].lower() if len(fields) == 3 else ''
    if form in ('g', 'r'):
        slot.update(kind='accessory', green=form == 'g')
    elif form.startswith('f') and form[1:].isdigit():
        slot.update(kind='loco', function=int(form[1:]))
    elif form == '' and slot['address'] == 0:
        slot.update(kind='erased')
    else:
        raise DescriptionError(f"unknown slot form {form!r}")
    return slot


def apply_directive(sample, keyword, rest):
    fields = rest.split()
    if keyword == 'code':
        sample['code'] = int(rest, 0)
    elif keyword == 'turntable':
        sample['turntable'] = int(rest)
        if sample['turntable'] not in TURNTABLE_CODES:
            raise DescriptionError("turntable is 48 or 24")
    elif keyword == 'protocol':
        if rest not in PROTOCOL_PANEL:
            raise DescriptionError(f"unknown protocol {rest!r}")
        sample['protocol'] = rest
    elif keyword == 'label':
        sample['label'] = rest
    elif keyword == 'id':
        sample['id'] = rest.upper()
    elif keyword == 'config':
        sample['config'] = rest.upper()
    elif keyword == 'rom-words':
        sample['rom_words'] = int(rest, 0)
    elif keyword == 'slot':
        sample['slots'].append(parse_slot(fields))
    elif keyword == 'eeprom':
        sample['eeprom'].append((int(fields[0], 0), [int(b, 16) for b in fields[1:]]))
    elif keyword == 'rom-table':
        sample['tables'].append((int(fields[0], 0), [int(b, 16) for b in fields[1:]]))
    else:
        raise DescriptionError(f"unknown keyword {keyword!r}")


def read_description(path):
    samples = []
    with open(path, encoding='utf-8') as description:
        for number, raw in enumerate(description, 1):
            line = raw.rstrip('\r\n')
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            keyword, _, rest = line.strip().partition(' ')
            try:
                if keyword == 'sample':
                    samples.append(new_sample(rest.strip()))
                elif not samples:
                    raise DescriptionError("directive before the first sample")
                else:
                    # The label keeps its blanks exactly, double blanks included.
                    apply_directive(samples[-1], keyword, line.lstrip()[len(keyword) + 1:] if keyword == 'label'
                                    else rest.strip())
            except (DescriptionError, ValueError) as error:
                raise DescriptionError(f"{path}:{number}: {error}") from None
    for sample in samples:
        check_sample(sample)
    return samples


def check_sample(sample):
    name = sample['name']
    if (sample['code'] is None) == (sample['turntable'] is None):
        raise DescriptionError(f"{name}: give either code or turntable")
    if sample['protocol'] is None or sample['label'] is None:
        raise DescriptionError(f"{name}: protocol and label are required")
    if len(sample['id']) != 4 or any(c not in '0123456789ABCDEF' for c in sample['id']):
        raise DescriptionError(f"{name}: id is four hex digits")
    if len(sample['config']) != 4 or any(c not in '0123456789ABCDEF' for c in sample['config']):
        raise DescriptionError(f"{name}: config is four hex digits")
    if sample['rom_words'] is None:
        sample['rom_words'] = 140 if sample['turntable'] else 40
    if not 36 <= sample['rom_words'] <= ROM_WORDS or (sample['turntable'] and sample['rom_words'] < 138):
        raise DescriptionError(f"{name}: rom-words does not cover the marker words")


# ---------------------------------------------------------------- the image

def filler_word(w):
    """An ordinary instruction for program word w: retlw, movwf, goto, bcf in turn."""
    return (0x3400 | ((w * 37) & 0xFF), 0x0080 | (w & 0x7F), 0x2800 | ((w * 13) & 0x7FF),
            0x1000 | ((w % 8) << 7) | (w & 0x7F))[w % 4]


def program_words(sample):
    words = [filler_word(w) for w in range(sample['rom_words'])]
    if sample['turntable']:
        words[137] = 0x0800 | TURNTABLE_MARKER[sample['turntable']]  # movf marker,W
    else:
        code = sample['code']
        for w in range(3):
            words[w] = 0x3000 | ((code >> (8 * w)) & 0xFF)  # movlw ID byte w
    for start, values in sample['tables']:
        for w, value in enumerate(values, start):
            if not 36 <= w < len(words):
                raise DescriptionError(f"{sample['name']}: table word {w:#x} outside the written program words")
            words[w] = 0x3400 | value  # retlw value
    protocol = sample['protocol']
    marker = MOT_MARKER if protocol.startswith('mot') else DCC_MARKER
    if protocol in ('mot', 'dcc'):
        words[8] = marker
    elif protocol in ('mot35', 'dcc35'):
        words[8] = SECOND_FORM_WORD8
        words[35] = marker
    return words


def eeprom_bytes(sample):
    eeprom = [0xFF] * EEPROM_BYTES_WRITTEN
    owner = {}
    for slot in sample['slots']:
        j = slot_eeprom_index(slot['slot'])
        for offset, value in zip((0, 16, 32), slot_code(sample['protocol'], slot)):
            owner[j + offset] = f"slot {slot['slot']}"
            eeprom[j + offset] = value
    for start, values in sample['eeprom']:
        for i, value in enumerate(values, start):
            if i >= EEPROM_BYTES_WRITTEN or i in owner:
                raise DescriptionError(f"{sample['name']}: EEPROM byte {i} out of range or used by {owner.get(i)}")
            owner[i] = 'eeprom'
            eeprom[i] = value
    return eeprom


# ---------------------------------------------------------------- Intel HEX

def record(address, data, record_type=0):
    body = bytes([len(data), address >> 8, address & 0xFF, record_type]) + bytes(data)
    checksum = (-sum(body)) & 0xFF
    return ':' + body.hex().upper() + f"{checksum:02X}"


def hex_lines(sample):
    lines = [':020000040000FA']
    rom = []
    for word in program_words(sample):
        rom += [word & 0xFF, word >> 8]
    for start in range(0, len(rom), 16):
        lines.append(record(start, rom[start:start + 16]))
    lines.append(record(0x4000, [b for digit in sample['id'] for b in (int(digit, 16), 0)]))
    lines.append(record(0x400E, bytes.fromhex(sample['config'])))
    eeprom = eeprom_bytes(sample)
    for start in range(0, len(eeprom), 8):
        lines.append(record(0x4200 + 2 * start, [b for value in eeprom[start:start + 8] for b in (value, 0)]))
    lines.append(':00000001FF')
    return lines


def slot_summary(slot):
    if slot['kind'] == 'accessory':
        return f"{slot['slot']}:{slot['address']}{'g' if slot['green'] else 'r'}"
    if slot['kind'] == 'loco':
        return f"{slot['slot']}:{slot['address']}f{slot['function']}"
    return f"{slot['slot']}:0"


def index_line(sample):
    code = TURNTABLE_CODES[sample['turntable']] if sample['turntable'] else sample['code']
    slots = ' '.join(slot_summary(slot) for slot in sample['slots'])
    return '\t'.join([sample['name'], str(code), PROTOCOL_PANEL[sample['protocol']], sample['label'], slots])


def write_samples(samples, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for sample in samples:
        with open(os.path.join(out_dir, sample['name'] + '.hex'), 'w', encoding='ascii', newline='') as hex_file:
            hex_file.write(''.join(line + '\r\n' for line in hex_lines(sample)))
    with open(os.path.join(out_dir, 'index.txt'), 'w', encoding='utf-8', newline='\n') as index:
        index.write(''.join(index_line(sample) + '\n' for sample in samples))


def generated_files(directory):
    return sorted(f for f in os.listdir(directory) if f.endswith('.hex') or f == 'index.txt')


def check_samples(samples, committed_dir):
    with tempfile.TemporaryDirectory() as fresh_dir:
        write_samples(samples, fresh_dir)
        fresh, committed = generated_files(fresh_dir), generated_files(committed_dir)
        problems = [f"missing in {committed_dir}: {f}" for f in sorted(set(fresh) - set(committed))]
        problems += [f"not produced by the description: {f}" for f in sorted(set(committed) - set(fresh))]
        for name in sorted(set(fresh) & set(committed)):
            if not filecmp.cmp(os.path.join(fresh_dir, name), os.path.join(committed_dir, name), shallow=False):
                problems.append(f"differs from a fresh run: {name}")
    for problem in problems:
        print(problem, file=sys.stderr)
    if not problems:
        print(f"{len(fresh)} files in {committed_dir} match the description")
    return not problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--description', default=os.path.join(here, 'samples.txt'))
    parser.add_argument('--out', default=os.path.join(here, os.pardir, 'samples'))
    parser.add_argument('--check', metavar='DIR', help='compare DIR with a fresh run instead of writing')
    args = parser.parse_args()
    try:
        samples = read_description(args.description)
    except DescriptionError as error:
        print(error, file=sys.stderr)
        return 2
    if args.check:
        return 0 if check_samples(samples, args.check) else 1
    write_samples(samples, args.out)
    print(f"{len(samples)} samples written to {os.path.normpath(args.out)}")
    return 0


if __name__ == '__main__':
    sys.exit(main())
