#!/usr/bin/env python3
# Renders src/*.svg into velmora.ico, the toolbar .bmp files and preview.png in this folder.
# Usage: python3 res/images/render.py   (needs rsvg-convert and ImageMagick's convert on PATH)
# Output is byte-for-byte deterministic; rerun after editing any SVG and commit the results.
import os
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, 'src')

ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 128, 256]
# below 32 px the big drawing loses its shape, so those sizes have hand-placed pixels
SMALL_ICONS = {16: 'velmora_16.svg', 20: 'velmora_20.svg', 24: 'velmora_24.svg'}
BITMAPS = [('two_sheets', 128), ('floppy', 20), ('waste_bin', 20)]


def rasterize(svg, size):
    """Returns size*size straight-alpha RGBA bytes."""
    png = subprocess.run(['rsvg-convert', '-w', str(size), '-h', str(size),
                          os.path.join(SRC, svg)],
                         check=True, stdout=subprocess.PIPE).stdout
    raw = subprocess.run(['convert', 'png:-', '-depth', '8', 'rgba:-'], input=png,
                         check=True, stdout=subprocess.PIPE).stdout
    assert len(raw) == size * size * 4, (svg, size, len(raw))
    px = bytearray(raw)
    # fully transparent pixels get zero colour so nothing stray leaks into blending
    for i in range(0, len(px), 4):
        if px[i + 3] == 0:
            px[i:i + 3] = b'\0\0\0'
    return bytes(px)


def bgra_bottom_up(rgba, w, h):
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = rgba[y * w * 4:(y + 1) * w * 4]
        for x in range(0, len(row), 4):
            r, g, b, a = row[x:x + 4]
            out += bytes((b, g, r, a))
    return bytes(out)


def info_header(w, h, image_size):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, 32, 0, image_size, 2835, 2835, 0, 0)


def write_bmp(path, rgba, w, h):
    pixels = bgra_bottom_up(rgba, w, h)
    header = info_header(w, h, len(pixels))
    offset = 14 + len(header)
    data = b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + pixels
    with open(path, 'wb') as f:
        f.write(data)


def png_bytes(rgba, w, h):
    def chunk(tag, body):
        return struct.pack('>I', len(body)) + tag + body + \
            struct.pack('>I', zlib.crc32(tag + body) & 0xffffffff)
    raw = b''.join(b'\0' + rgba[y * w * 4:(y + 1) * w * 4] for y in range(h))
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)) + \
        chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')


def ico_dib(rgba, size):
    xor = bgra_bottom_up(rgba, size, size)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            if rgba[(y * size + x) * 4 + 3] == 0:
                row[x >> 3] |= 0x80 >> (x & 7)
        mask += row
    return info_header(size, size * 2, len(xor) + len(mask)) + xor + bytes(mask)


def write_ico(path, images):
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for size, rgba in images:
        # the 256 px frame goes in as PNG to keep the file small; Vista+ reads it
        blob = png_bytes(rgba, size, size) if size >= 256 else ico_dib(rgba, size)
        dim = 0 if size >= 256 else size
        entries += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries + blobs)


def write_preview(path, items):
    """items: rows of (rgba, size, zoom); drawn over a checkerboard so alpha shows."""
    pad = 12
    rows = [(max(s * z for _, s, z in row), row) for row in items]
    width = max(sum(s * z + pad for _, s, z in row) + pad for row in items)
    height = sum(h + pad for h, _ in rows) + pad
    canvas = bytearray()
    for y in range(height):
        for x in range(width):
            v = 0xEE if ((x >> 3) + (y >> 3)) & 1 else 0xFF
            canvas += bytes((v, v, v, 255))
    top = pad
    for row_h, row in rows:
        left = pad
        for rgba, size, zoom in row:
            oy = top + row_h - size * zoom
            for y in range(size * zoom):
                for x in range(size * zoom):
                    s = ((y // zoom) * size + x // zoom) * 4
                    a = rgba[s + 3]
                    if a:
                        d = ((oy + y) * width + left + x) * 4
                        for c in range(3):
                            canvas[d + c] = (rgba[s + c] * a + canvas[d + c] * (255 - a) + 127) // 255
            left += size * zoom + pad
        top += row_h + pad
    with open(path, 'wb') as f:
        f.write(png_bytes(bytes(canvas), width, height))


def main():
    icons = [(s, rasterize(SMALL_ICONS.get(s, 'velmora.svg'), s)) for s in ICON_SIZES]
    write_ico(os.path.join(HERE, 'velmora.ico'), icons)
    bitmaps = []
    for name, size in BITMAPS:
        rgba = rasterize(name + '.svg', size)
        write_bmp(os.path.join(HERE, name + '.bmp'), rgba, size, size)
        bitmaps.append((name, size, rgba))
    half_sheets = rasterize('two_sheets.svg', 64)   # it is also drawn at half size
    write_preview(os.path.join(HERE, 'preview.png'), [
        [(p, s, 1) for s, p in icons] + [(p, s, 1) for _, s, p in bitmaps] + [(half_sheets, 64, 1)],
        [(p, s, 8) for s, p in icons if s <= 32] + [(p, s, 8) for _, s, p in bitmaps if s == 20],
        [(icons[-1][1], 256, 1), (bitmaps[0][2], 128, 2), (half_sheets, 64, 4)],
    ])


if __name__ == '__main__':
    main()
