#!/usr/bin/env python3
"""Writes the small control bitmaps (selection-box face, list-header band) as PNG files.

They are a few pixels wide and drawn pixel by pixel, so they are kept as code: change a colour
here and run the script again.
"""
import struct
import sys
import zlib
from pathlib import Path

LINE = (128, 160, 192)   # selection-box outline
WHITE = (255, 255, 255)
BUTTON = (214, 232, 247)  # drop button face
BUTTON_OPEN = (0, 130, 197)
ARROW = (38, 62, 96)
BLUE = (0, 130, 197)


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    Path(path).write_bytes(png)


def face_column(edge):
    """One column of the face: outline at the top and at row 22, white otherwise."""
    return [LINE if edge or y in (0, 22) else WHITE for y in range(24)]


def combo_left():
    cols = [[LINE if y <= 22 else WHITE for y in range(24)], face_column(False)]
    return [[cols[x][y] for x in range(2)] for y in range(24)]


def combo_middle():
    return [[face_column(False)[y] for _ in range(15)] for y in range(24)]


def combo_button(face, arrow, drop):
    rows = []
    for y in range(24):
        row = []
        for x in range(20):
            if y in (0, 22) or x == 19 or (x == 0 and y < 22):
                row.append(LINE)
            elif y == 23:
                row.append(WHITE)
            else:
                row.append(face)
        rows.append(row)
    # A small down arrow, centred; one pixel lower while the list is open, as a pressed key.
    top = 9 + drop
    for i in range(4):
        for x in range(6 + i, 14 - i):
            rows[top + i][x] = arrow
    return rows


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def band_column(base):
    """A header column: a light top edge, the band, a dark bottom edge."""
    col = [base] * 20
    col[0] = mix(base, WHITE, 0.45)
    col[1] = mix(base, WHITE, 0.2)
    col[18] = mix(base, (0, 0, 0), 0.18)
    col[19] = mix(base, (0, 0, 0), 0.35)
    return col


def header(cols):
    return [[cols[x][y] for x in range(len(cols))] for y in range(20)]


def main(out):
    out = Path(out)
    write_png(out / "combo-left.png", combo_left())
    write_png(out / "combo-middle.png", combo_middle())
    write_png(out / "combo-button.png", combo_button(BUTTON, ARROW, 0))
    write_png(out / "combo-button-dropped.png", combo_button(BUTTON_OPEN, WHITE, 1))
    write_png(out / "header-band.png", header([band_column(BLUE)]))
    write_png(out / "header-left.png", header([band_column(mix(BLUE, WHITE, 0.5)), band_column(mix(BLUE, WHITE, 0.25))]))
    write_png(out / "header-right.png", header([band_column(mix(BLUE, (0, 0, 0), 0.2)), band_column(mix(BLUE, (0, 0, 0), 0.4))]))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "bitmaps")
