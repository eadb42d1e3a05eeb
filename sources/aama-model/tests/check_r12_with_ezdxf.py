#!/usr/bin/python3
# Morvane AAMA grade model tests.
# Reads a graded R12 DXF file that a saved model wrote with ezdxf, a DXF library written
# elsewhere, in strict mode (no recovery), and checks its version, code page, blocks, shapes,
# inserts and header texts against a description of the model it was written from. Texts of the
# description are the hexadecimal digits of their bytes: names keep the bytes of their code page.
import collections
import json
import sys

import ezdxf


def check(condition, message, failures):
    if not condition:
        failures.append(message)


def text_of(digits):
    return bytes.fromhex(digits)


def check_block(doc, expected, encode, failures):
    name = expected['name']
    if name not in doc.blocks:
        failures.append('block %s is missing' % name)
        return
    block = list(doc.blocks.get(name))
    kinds = collections.Counter(e.dxftype() for e in block)
    check(kinds == collections.Counter({'TEXT': 4, 'POLYLINE': len(expected['polylines']),
                                        'LINE': expected['lines'], 'POINT': expected['points']}),
          'block %s holds %s' % (name, dict(kinds)), failures)
    texts = [encode(e.dxf.text) for e in block if e.dxftype() == 'TEXT']
    check(texts == [b'PIECE: ' + text_of(expected['piece']), b'SIZE: ' + text_of(expected['size']),
                    b'FABRIC: A', b'QUANTITY: 1'], 'texts of %s: %s' % (name, texts), failures)
    polylines = [e for e in block if e.dxftype() == 'POLYLINE']
    check([len(p.vertices) for p in polylines] == expected['polylines'],
          'vertex counts of %s: %s' % (name, [len(p.vertices) for p in polylines]), failures)
    check(all(p.is_closed for p in polylines), 'a polyline of %s is open' % name, failures)


def main(dxf_path, description_path):
    with open(description_path, encoding='utf-8') as description:
        model = json.load(description)
    doc = ezdxf.readfile(dxf_path)
    failures = []

    def encode(text):
        return text.encode(doc.encoding, errors='surrogateescape')

    check(doc.dxfversion == 'AC1009', 'version %s' % doc.dxfversion, failures)
    codepage = text_of(model.get('codepage', '')).decode('ascii')
    if codepage:
        check(doc.header.get('$DWGCODEPAGE', '') == codepage,
              'code page %s' % doc.header.get('$DWGCODEPAGE'), failures)
    user_blocks = [b.name for b in doc.blocks if not b.name.startswith('*')]
    check(user_blocks == [b['name'] for b in model['blocks']], 'blocks %s' % user_blocks, failures)
    for block in model['blocks']:
        check_block(doc, block, encode, failures)

    entities = list(doc.modelspace())
    inserts = [e.dxf.name for e in entities if e.dxftype() == 'INSERT']
    check(inserts == [b['name'] for b in model['blocks']], 'inserts %s' % inserts, failures)
    texts = [encode(e.dxf.text) for e in entities if e.dxftype() == 'TEXT']
    header = [b'DESIGN: ' + text_of(model['design']), b'DATE: ' + model['date'].encode(),
              b'AUTHOR: VELMORA', b'MASTER SIZE: ' + text_of(model['master']),
              b'UNITS: ' + model.get('units', 'METRIC').encode(), b'VERSION: 1.00']
    check(texts == (header if model['tables'] else []), 'header texts %s' % texts, failures)
    for failure in failures:
        print('%s: %s' % (dxf_path, failure))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
