#!/usr/bin/python3
# Morvane AAMA grade model tests.
# Reads a graded R12 DXF file that a saved model wrote with ezdxf, a DXF library written
# elsewhere, and checks its version, blocks, shapes, inserts and header texts against a
# description of the model it was written from.
import collections
import json
import sys

import ezdxf


def check(condition, message, failures):
    if not condition:
        failures.append(message)


def check_block(doc, expected, failures):
    name = expected['name']
    if name not in doc.blocks:
        failures.append('block %s is missing' % name)
        return
    block = list(doc.blocks.get(name))
    kinds = collections.Counter(e.dxftype() for e in block)
    check(kinds == collections.Counter({'TEXT': 4, 'POLYLINE': len(expected['polylines']),
                                        'LINE': expected['lines'], 'POINT': expected['points']}),
          'block %s holds %s' % (name, dict(kinds)), failures)
    texts = [e.dxf.text for e in block if e.dxftype() == 'TEXT']
    check(texts == ['PIECE: ' + expected['piece'], 'SIZE: ' + expected['size'], 'FABRIC: A',
                    'QUANTITY: 1'], 'texts of %s: %s' % (name, texts), failures)
    polylines = [e for e in block if e.dxftype() == 'POLYLINE']
    check([len(p.vertices) for p in polylines] == expected['polylines'],
          'vertex counts of %s: %s' % (name, [len(p.vertices) for p in polylines]), failures)
    check(all(p.is_closed for p in polylines), 'a polyline of %s is open' % name, failures)


def main(dxf_path, description_path):
    with open(description_path, encoding='utf-8') as description:
        model = json.load(description)
    doc = ezdxf.readfile(dxf_path)
    failures = []
    check(doc.dxfversion == 'AC1009', 'version %s' % doc.dxfversion, failures)
    user_blocks = [b.name for b in doc.blocks if not b.name.startswith('*')]
    check(user_blocks == [b['name'] for b in model['blocks']], 'blocks %s' % user_blocks, failures)
    for block in model['blocks']:
        check_block(doc, block, failures)

    entities = list(doc.modelspace())
    inserts = [e.dxf.name for e in entities if e.dxftype() == 'INSERT']
    check(inserts == [b['name'] for b in model['blocks']], 'inserts %s' % inserts, failures)
    texts = [e.dxf.text for e in entities if e.dxftype() == 'TEXT']
    header = ['DESIGN: ' + model['design'], 'DATE: ' + model['date'], 'AUTHOR: VELMORA',
              'MASTER SIZE: ' + model['master'], 'UNITS: METRIC', 'VERSION: 1.00']
    check(texts == (header if model['tables'] else []), 'header texts %s' % texts, failures)
    for failure in failures:
        print('%s: %s' % (dxf_path, failure))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
