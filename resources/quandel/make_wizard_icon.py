#!/usr/bin/env python3
"""Writes the wizard window's icon (16x16 and 32x32, 32-bit with mask):
a blue box with a white arrow pointing into it, the setup program's mark.

usage: make_wizard_icon.py OUTPUT.ico
"""
import struct
import sys


def pixel(size, x, y):
    """BGRA of one pixel; y counts from the top."""
    m = size // 8                      # margin around the box
    box = m <= x < size - m and size // 3 <= y < size - m
    lid = m <= x < size - m and size // 3 - max(1, size // 16) <= y < size // 3
    cx = size // 2
    half = max(1, size // 10)
    shaft = cx - half <= x < cx + half and m // 2 <= y < size // 2 + half
    head_top = size // 2 - half
    head = head_top <= y < size // 2 + 3 * half and abs(x - cx + 0.5) <= (size // 2 + 3 * half - y)
    if shaft or head:
        return (255, 255, 255, 255)
    if lid:
        return (140, 70, 20, 255)
    if box:
        edge = x in (m, size - m - 1) or y == size - m - 1
        return (120, 60, 10, 255) if edge else (200, 120, 40, 255)
    return (0, 0, 0, 0)


def image(size):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):
        rows.append(b''.join(struct.pack('4B', *pixel(size, x, y)) for x in range(size)))
    mask_stride = ((size + 31) // 32) * 4
    mask = []
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            if pixel(size, x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask.append(bytes(row))
    return header + b''.join(rows) + b''.join(mask)


def main():
    sizes = (16, 32)
    images = [image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(sys.argv[1], 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
