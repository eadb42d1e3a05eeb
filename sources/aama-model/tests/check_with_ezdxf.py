#!/usr/bin/python3
# Morvane AAMA grade model tests.
# Reads an AAMA DXF file that the writer produced with ezdxf, a DXF library written elsewhere, in
# strict mode (no recovery), and checks its layers, blocks, entity counts, outlines, notches, names
# and header texts against a description of the document it was written from. Texts of the
# description are the hexadecimal digits of their bytes: names keep the bytes of their code page.
import collections
import json
import math
import sys

import ezdxf

LAYER_COLOURS = [7, 1, 2, 3, 5, 5, 5, 4, 5, 5, 4, 6, 4, 7]
INVALID_NAME_CHARACTERS = set('<>/\\":;?*|=`')


def text_of(digits):
    return bytes.fromhex(digits)


def point_layer(kind):
    return {2: '3', 10: '3', 3: '4', 129: '13'}.get(kind, '2')


def line_layer(kind):
    return {4: '5', 20: '5', 8: '9', 12: '10', 16: '7', 28: '13', 84: '6'}.get(kind, '8')


def expected_block_entities(piece):
    """Counts of (entity type, layer) that the block of a piece must hold."""
    counts = collections.Counter()
    counts[('POLYLINE', '1')] += 1
    written_points = list(piece['boundary']) + list(piece.get('loose', []))
    for line in piece['lines']:
        if line['kind'] == 0:
            continue
        layer = line_layer(line['kind'])
        counts[('POLYLINE' if layer == '8' else 'LINE', layer)] += 1
        written_points += piece['internal'][line['first']:line['first'] + line['count']]
    for item in piece.get('drawing', []):
        counts[(item['type'], item['layer'])] += 1
    for point in written_points:
        counts[('POINT', point_layer(point['kind']))] += 1
        if point['rule'] != -1:
            counts[('TEXT', point_layer(point['kind']))] += 1
    counts[('TEXT', '1')] += 5 if piece.get('has_name_text', True) else 4
    return counts


def check(condition, message, failures):
    if not condition:
        failures.append(message)


def check_layers(doc, failures):
    for number, colour in enumerate(LAYER_COLOURS, start=1):
        name = str(number)
        check(doc.layers.has_entry(name), 'layer %s is missing' % name, failures)
        if doc.layers.has_entry(name):
            check(doc.layers.get(name).dxf.color == colour,
                  'layer %s has colour %s' % (name, doc.layers.get(name).dxf.color), failures)


def check_notches(block, piece, name, failures):
    cuts = [(e.dxf.location.x, e.dxf.location.y, e.dxf.location.z) for e in block
            if e.dxftype() == 'POINT' and e.dxf.layer == '4']
    for notch in piece.get('notches', []):
        found = any(math.isclose(x, notch['x'], abs_tol=6e-4) and
                    math.isclose(y, notch['y'], abs_tol=6e-4) and
                    math.isclose(z, notch['depth'], abs_tol=2e-3) for x, y, z in cuts)
        check(found, 'no notch of depth %.3f at %.3f,%.3f in %s'
              % (notch['depth'], notch['x'], notch['y'], name), failures)


def check_piece(doc, piece, block_name, encode, failures):
    name = block_name
    if name not in doc.blocks:
        failures.append('block %s is missing' % name)
        return
    check(not INVALID_NAME_CHARACTERS.intersection(name), 'block name %r' % name, failures)
    block = doc.blocks.get(name)
    actual = collections.Counter((e.dxftype(), e.dxf.layer) for e in block)
    expected = expected_block_entities(piece)
    check(actual == expected, 'block %s holds %s, expected %s' % (name, dict(actual), dict(expected)),
          failures)

    outline = next(e for e in block if e.dxftype() == 'POLYLINE' and e.dxf.layer == '1')
    check(outline.is_closed, 'the outline of %s is not closed' % name, failures)
    vertices = [(round(v.dxf.location.x, 3), round(v.dxf.location.y, 3)) for v in outline.vertices]
    boundary = [(round(p['x'], 3), round(p['y'], 3)) for p in piece['boundary']]
    check(vertices == boundary + boundary[:1], 'the outline of %s differs' % name, failures)
    for polyline in (e for e in block if e.dxftype() == 'POLYLINE' and e.dxf.layer == '8'):
        check(not polyline.is_closed, 'an internal line of %s is closed' % name, failures)
    check_notches(block, piece, name, failures)

    texts = [encode(e.dxf.text) for e in block if e.dxftype() == 'TEXT']
    name_text = b'Piece Name: ' + text_of(piece['name'])
    check((name_text in texts) == piece.get('has_name_text', True),
          'the piece name text %r of %s' % (name_text, name), failures)
    for item in piece.get('drawing', []):
        if item['type'] == 'TEXT':
            check(text_of(item['text']) in texts,
                  'the text %r of %s is missing' % (text_of(item['text']), name), failures)
    drawn = [(e.dxftype(), e.dxf.layer, len(list(e.vertices)) if e.dxftype() == 'POLYLINE' else 0)
             for e in block if e.dxftype() in ('POLYLINE', 'LINE') and e is not outline]
    for item in piece.get('drawing', []):
        if item['type'] == 'POLYLINE':
            check(('POLYLINE', item['layer'], item['count']) in drawn,
                  'a polyline of %d vertices on layer %s of %s is missing'
                  % (item['count'], item['layer'], name), failures)


def check_entities(doc, document, inserts, encode, failures):
    check(len(inserts) == len(document['pieces']), 'inserts %s' % inserts, failures)
    check(len(set(i.upper() for i in inserts)) == len(inserts), 'inserts %s' % inserts, failures)
    texts = [encode(e.dxf.text) for e in doc.modelspace() if e.dxftype() == 'TEXT']
    header = [b'Style Name: ' + text_of(document['style']),
              b'Creation Date: ' + document['date'].encode(),
              b'Creation Time: ' + document['time'].encode(), b'Author: TELVAREN',
              b'Sample Size: ' + text_of(document['sample']),
              b'Grade Rule Table: ' + text_of(document['table']),
              b'Units: ' + text_of(document.get('units', '4d4554524943'))]
    check([t for t in texts if t] == header, 'header texts %s' % texts, failures)
    check(len(texts) == max(len(inserts), 1) + 6, '%d header TEXT entities' % len(texts), failures)


def main(dxf_path, description_path):
    with open(description_path, encoding='utf-8') as description:
        document = json.load(description)
    doc = ezdxf.readfile(dxf_path)
    failures = []

    def encode(text):
        return text.encode(doc.encoding, errors='surrogateescape')

    codepage = text_of(document.get('codepage', '')).decode('ascii')
    if codepage:
        check(doc.header.get('$DWGCODEPAGE', '') == codepage,
              'code page %s' % doc.header.get('$DWGCODEPAGE'), failures)
    check_layers(doc, failures)
    inserts = [e.dxf.name for e in doc.modelspace() if e.dxftype() == 'INSERT']
    user_blocks = sorted(b.name for b in doc.blocks if not b.name.startswith('*'))
    check(user_blocks == sorted(inserts), 'blocks %s' % user_blocks, failures)
    for piece, block_name in zip(document['pieces'], inserts):
        check_piece(doc, piece, block_name, encode, failures)
    check_entities(doc, document, inserts, encode, failures)
    for failure in failures:
        print('%s: %s' % (dxf_path, failure))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
