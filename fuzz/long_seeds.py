#!/usr/bin/env python3
"""Writes the fuzz targets' long seeds into OUTDIR/<corpus>/ (one folder per
target, named like fuzz/corpus/). They are generated rather than kept in the
repository because each is tens or hundreds of kilobytes: long flat
expressions, deep nesting, long paragraphs and long operation streams that
the mutator would take far too long to grow from the small seeds."""
import os
import struct
import sys


def text_layout_options(height):
    # flags (wrap, tags), halign, valign, rotation, font height, box 600 x 400,
    # scale 1, no spacing.
    return (bytes([0x03, 3, 0]) + struct.pack('<hi', 0, height) +
            struct.pack('<HH', 600, 400) + bytes([3, 0, 0]))


SEEDS = {
    'script_compile': {
        'many_statements.pas':
            'var x: Integer;\nbegin\n' + 'x := x + 1;\n' * 20000 + 'end.\n',
        'many_routines.pas':
            ''.join(f'procedure P{i}; begin end;\n' for i in range(3000)) + 'begin end.\n',
    },
    'xml_reader': {
        'many_memos.xml':
            '<?xml version="1.0" encoding="utf-8"?>\n<TfrxReport>\n<TfrxReportPage Name="Page1">\n' +
            ''.join(f'<TfrxMemoView Name="Memo{i}" Left="{i % 700}" Top="{i // 700}" '
                    f'Width="50" Height="20" Text="[Line#] {i}"/>\n' for i in range(5000)) +
            '</TfrxReportPage>\n</TfrxReport>\n',
    },
    'script_xml': {
        'many_items.xml':
            '<?xml version="1.0"?>\n<program>\n' +
            ''.join(f'<item n="{i}" text="&#60;{i}&#62;"/>\n' for i in range(20000)) +
            '</program>\n',
    },
    'format': {
        'long_picture_float': b'\x01' + b'#,##0.00;' * 3000 + b'\x00' + b'12345.678',
        'long_picture_date': b'\x02' + b'dddd mmmm yyyy hh:nn:ss.zzz ' * 2000 + b'\x00' + b'45000.5',
        'long_mask': b'\x03' + b'!999-99-99;1;_' * 2000 + b'\x00' + b'1' * 20000,
        'many_arguments': b'\x00' + b'%d %s %8.3f ' * 2000 + b'\x00' + b'1,x,2.5,' * 2000,
        'long_number': b'\x05\x00' + b'9' * 50000,
    },
    'envelope': {
        'long_base64': b'QUJD' * 50000,
    },
    'memo_expansion': {
        'many_brackets': b'\x01\x00#,##0.00\x00' + b'[1234.5] text [abc] ' * 5000,
        'deep_brackets': b'\x00\x00\x00' + b'[' * 20000 + b'x' + b']' * 20000,
    },
    'text_layout': {
        'long_paragraph': text_layout_options(-16) +
            b'Lorem <b>ipsum</b> dolor <font color="#FF0000">sit</font> amet, ' * 800,
        'many_lines': text_layout_options(-13) + b'<u>line</u> of text\n' * 5000,
    },
    'num_edit': {
        'long_typing': b'\x01' + b'\x08\x10\x18\x20\x03\x05\x0b\x01-\x07' * 10000,
    },
}


def main():
    out = sys.argv[1]
    for corpus, seeds in SEEDS.items():
        folder = os.path.join(out, corpus)
        os.makedirs(folder, exist_ok=True)
        for name, content in seeds.items():
            data = content.encode('cp1250') if isinstance(content, str) else content
            path = os.path.join(folder, name)
            try:
                with open(path, 'rb') as f:
                    if f.read() == data:
                        continue
            except FileNotFoundError:
                pass
            with open(path, 'wb') as f:
                f.write(data)


if __name__ == '__main__':
    main()
