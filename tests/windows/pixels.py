#!/usr/bin/env python3
"""Pixel checks of the Windows end-to-end test, on Netpbm files (ImageMagick and pdftoppm write them).

  pixels.py find SCREEN.ppm PICTURE.ppm   where the picture's ink lies in the screen, pixel for
                                          pixel: "X Y" of the picture's corner, or exit 1
  pixels.py bar PAGE.pgm DPI TOP BOTTOM   the longest dark horizontal run between the rows TOP and
                                          BOTTOM (inches from the page's top), in inches
"""
import sys


def read_netpbm(path):
    data = open(path, 'rb').read()
    fields, position = [], 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b'#':
            position = data.index(b'\n', position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    channels = {b'P5': 1, b'P6': 3}[fields[0]]
    width, height = int(fields[1]), int(fields[2])
    return width, height, channels, data[position + 1:]


def find(screen_path, picture_path):
    sw, sh, channels, screen = read_netpbm(screen_path)
    pw, ph, _, picture = read_netpbm(picture_path)
    white = b'\xff' * channels
    pixel = lambda data, width, x, y: data[(y * width + x) * channels:(y * width + x + 1) * channels]
    ink = [(x, y) for y in range(ph) for x in range(pw) if pixel(picture, pw, x, y) != white]
    if not ink:
        return None
    left = min(x for x, _ in ink)
    right = max(x for x, _ in ink)
    top = min(y for _, y in ink)
    bottom = max(y for _, y in ink)
    first = ink[0]
    wanted = pixel(picture, pw, *first)
    for y in range(sh - ph + 1):
        for x in range(sw - pw + 1):
            if pixel(screen, sw, x + first[0], y + first[1]) != wanted:
                continue
            # Every pixel of the ink's box, ink and paper alike, as the picture has it.
            if all(pixel(screen, sw, x + i, y + j) == pixel(picture, pw, i, j)
                   for j in range(top, bottom + 1) for i in range(left, right + 1)):
                return x, y
    return None


def bar(page_path, dpi, top, bottom):
    width, height, _, page = read_netpbm(page_path)
    longest = 0
    for y in range(max(0, int(top * dpi)), min(height, int(bottom * dpi))):
        row = page[y * width:(y + 1) * width]
        run = 0
        for value in row:
            run = run + 1 if value < 128 else 0
            longest = max(longest, run)
    return longest / dpi


if __name__ == '__main__':
    if sys.argv[1] == 'find':
        found = find(sys.argv[2], sys.argv[3])
        if not found:
            sys.exit(1)
        print(*found)
    else:
        print('%.4f' % bar(sys.argv[2], float(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5])))
