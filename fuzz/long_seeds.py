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


HERE = os.path.dirname(os.path.abspath(__file__))


def flat_sum(terms):
    return ' + '.join(['1'] * terms)


def jpeg_claiming(width, height):
    # The baseline seed with the frame header's size replaced: a decoder must
    # refuse or bound such a picture rather than allocate for it.
    with open(os.path.join(HERE, 'corpus', 'jpeg_decode', 'baseline_8x8.jpg'), 'rb') as f:
        data = bytearray(f.read())
    sof = data.index(b'\xff\xc0')
    data[sof + 5:sof + 9] = struct.pack('>HH', height, width)
    return bytes(data)


def ppg_pages(count):
    return ('<?xml version="1.0" encoding="utf-8"?><preparedreport><previewpages>' +
            '<page0><m1 t="5"/></page0>' +
            ''.join(f'<page0 ld="0"><m1 Text="{i}"/></page0>' for i in range(count)) +
            '</previewpages><sourcepages><TfrxReportPage PaperWidth="210" PaperHeight="297">'
            '<TfrxMemoView Name="Memo1" Left="10" Top="20" Width="100" Height="20" Text="x"/>'
            '</TfrxReportPage></sourcepages><dictionary><m1 name="Page0.Memo1"/></dictionary>'
            '</preparedreport>')


SEEDS = {
    'script_compile': {
        # 50 000 terms: more than the builder takes, a compile error.
        'flat_sum.pas': 'var r: Integer;\nbegin\nr := ' + flat_sum(50000) + '\nend.\n',
        'deep_brackets.pas': 'begin x := ' + '(' * 5000 + '1' + ')' * 5000 + ' end.\n',
        # Compiling grows linearly, but the sanitizer build takes some 0.2 ms
        # a statement: 8 000 keep the seed well inside the fuzzer's 10 s
        # for a slow input on a busy machine.
        'many_statements.pas':
            'var x: Integer;\nbegin\n' + 'x := x + 1;\n' * 8000 + 'end.\n',
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
    'script_run': {
        'flat_sum.pas': 'var r: Integer;\nbegin\nr := ' + flat_sum(4000) + '\nend.\n',
        'long_format.pas': "var s: String;\nbegin\ns := Format('" + '%d %s %.2f ' * 1000 +
            "', [" + ', '.join(['1, \'x\', 2.5'] * 1000) + "]);\n" +
            "s := FormatFloat('" + '#,##0.00' * 500 + "', 1234.5);\n" +
            "s := FormatMaskText('" + '!999;' * 500 + "1;_', '" + '1' * 5000 + "')\nend.\n",
    },
    'saved_form': {
        'many_fields': b'\x00titok\x00v\xedzimalom\r\n' +
            b''.join(b'Edit1_%d\r\n' % i for i in range(20000)),
        'long_value': b'\x00titok\x00v\xedzimalom\r\nEdit1_' + b'x' * 100000 + b'\r\n',
    },
    'pass_phrase': {
        'long_phrase': ('\u0151' * 20000).encode('utf-8'),
    },
    'barcode': {f'long_{kind:02d}': bytes([kind, 0]) + b'0123456789' * 1000 for kind in range(23)},
    'jpeg_decode': {
        'claims_65500_square.jpg': jpeg_claiming(65500, 65500),
        'claims_zero_width.jpg': jpeg_claiming(0, 8),
    },
    'ppg_reader': {
        'many_pages.ppg': ppg_pages(5000),
    },
    'num_edit': {
        # Every key checks the whole text, so typing n keys costs n squared:
        # 3 000 rounds make a text of some 9 000 characters, far beyond what
        # anyone types, and stay within the fuzzer's time per input.
        'long_typing': b'\x01' + b'\x08\x10\x18\x20\x03\x05\x0b\x01-\x07' * 3000,
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
