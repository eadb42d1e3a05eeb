#!/usr/bin/python3
# Morvane program grading tests.
# Lists the rule labels of an AAMA DXF file as ezdxf, a DXF library written elsewhere, reads
# them: one line "<rule> <x> <y>" per "# <rule>" text of each inserted piece block.
import sys

import ezdxf


def main(path):
    document = ezdxf.readfile(path)
    for insert in document.modelspace().query('INSERT'):
        for text in document.blocks[insert.dxf.name].query('TEXT'):
            label = text.dxf.text.strip()
            if label.startswith('#'):
                at = text.dxf.insert
                print('%s %.3f %.3f' % (label[1:].strip(), at[0], at[1]))


if __name__ == '__main__':
    main(sys.argv[1])
