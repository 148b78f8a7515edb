# Prints the cells of each row of an OpenDocument spreadsheet as a spreadsheet program read a
# file: one line per row, tab-separated cells, each as TYPE:TEXT, a formula marked with "=".
import sys
import xml.etree.ElementTree as ET
import zipfile

TABLE = '{urn:oasis:names:tc:opendocument:xmlns:table:1.0}'
OFFICE = '{urn:oasis:names:tc:opendocument:xmlns:office:1.0}'

content = ET.fromstring(zipfile.ZipFile(sys.argv[1]).read('content.xml'))
for row in content.iter(TABLE + 'table-row'):
    cells = []
    for cell in row:
        kind = cell.get(OFFICE + 'value-type', 'empty')
        if cell.get(TABLE + 'formula') is not None:
            kind = '=' + kind
        text = ''.join(cell.itertext())
        cells += [kind + ':' + text] * int(cell.get(TABLE + 'number-columns-repeated', '1'))
    while cells and cells[-1] == 'empty:':
        cells.pop()
    if cells:
        print('\t'.join(cells))
