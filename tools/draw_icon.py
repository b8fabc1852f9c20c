#!/usr/bin/env python3
"""Draws Ambler's icon and logo: a USB stick whose body shows the two panels of
a file manager.
  draw_icon.py icon FILE.ico       16, 24, 32, 48 and 256 pixel images
  draw_icon.py logo FILE.bmp       the 72 by 71 pixel logo of the main window
  draw_icon.py pin-off FILE.bmp    the pushpin, not pinned (21 by 20 pixels)
  draw_icon.py pin-on FILE.bmp     the pushpin, pinned
  draw_icon.py desktop|desktop-grey|startmenu|startmenu-grey FILE.bmp
                                   the file dialog's jump buttons"""
import struct
import sys

def rounded(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

# Shapes in a 1x1 square, drawn in order (later ones on top); colours are RGBA.
SHAPES = [
    (lambda x, y: rounded(x, y, 0.34, 0.02, 0.66, 0.24, 0.03), (176, 182, 190, 255)),   # connector
    (lambda x, y: 0.40 <= x <= 0.46 and 0.08 <= y <= 0.14, (90, 96, 104, 255)),
    (lambda x, y: 0.54 <= x <= 0.60 and 0.08 <= y <= 0.14, (90, 96, 104, 255)),
    (lambda x, y: rounded(x, y, 0.16, 0.20, 0.84, 0.98, 0.10), (28, 72, 140, 255)),      # body
    (lambda x, y: rounded(x, y, 0.24, 0.32, 0.48, 0.84, 0.03), (250, 250, 245, 255)),    # left panel
    (lambda x, y: rounded(x, y, 0.52, 0.32, 0.76, 0.84, 0.03), (255, 214, 80, 255)),     # right panel
    (lambda x, y: 0.27 <= x <= 0.45 and any(abs(y - r) < 0.018 for r in (0.42, 0.52, 0.62, 0.72)),
     (120, 130, 150, 255)),
    (lambda x, y: 0.55 <= x <= 0.73 and any(abs(y - r) < 0.018 for r in (0.42, 0.52, 0.62)),
     (150, 110, 20, 255)),
]

def pixel(px, py, size, samples=4):
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(samples):
        for sx in range(samples):
            x = (px + (sx + 0.5) / samples) / size
            y = (py + (sy + 0.5) / samples) / size
            colour = (0, 0, 0, 0)
            for inside, c in SHAPES:
                if inside(x, y):
                    colour = c
            a = colour[3] / 255.0
            for i in range(3):
                acc[i] += colour[i] * a
            acc[3] += a
    n = samples * samples
    alpha = acc[3] / n
    if alpha == 0:
        return (0, 0, 0, 0)
    return tuple(int(round(acc[i] / acc[3])) for i in range(3)) + (int(round(alpha * 255)),)

def image(size):
    rows = []
    for py in reversed(range(size)):  # bitmaps are stored bottom-up
        row = bytearray()
        for px in range(size):
            r, g, b, a = pixel(px, py, size)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask

def write_bmp(path, width, height, colour_at):
    """A 24-bit bitmap; colour_at(px, py) gives (r, g, b), py counting from the top."""
    rows = []
    for py in reversed(range(height)):  # bitmaps are stored bottom-up
        row = bytearray()
        for px in range(width):
            r, g, b = colour_at(px, py)
            row += bytes((b, g, r))
        row += bytes((-len(row)) % 4)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)

def logo(path, width=72, height=71, background=(240, 240, 240)):
    def colour_at(px, py):
        r, g, b, a = pixel(px, py, height)
        return tuple(int(round(c * a / 255 + bg * (255 - a) / 255)) for c, bg in zip((r, g, b), background))
    write_bmp(path, width, height, colour_at)

def pin(path, pressed):
    """A 21 by 20 pixel pushpin: lying on its side, or pressed in on a sunken face."""
    width, height = 21, 20
    face, shadow, light = (240, 240, 240), (160, 160, 160), (255, 255, 255)
    red, dark, steel = (200, 40, 40), (120, 20, 20), (110, 110, 120)
    def colour_at(px, py):
        c = face
        if pressed:
            if px == 0 or py == 0:
                c = shadow
            elif px == width - 1 or py == height - 1:
                c = light
            dx, dy = px - 10, py - 10
            if dx * dx + dy * dy <= 30:
                c = red if dx * dx + dy * dy > 6 else dark
        else:
            if 9 <= py <= 11 and 1 <= px <= 8:
                c = steel  # the needle
            if 6 <= py <= 14 and 9 <= px <= 11:
                c = dark  # the collar
            if 8 <= py <= 12 and 12 <= px <= 17:
                c = red  # the body
            if 5 <= py <= 15 and 18 <= px <= 19:
                c = red  # the head
        return c
    write_bmp(path, width, height, colour_at)

def jump(path, kind, grey):
    """The file dialog's jump buttons: a desktop (32 by 33) or a start menu (34 by 33)."""
    width, height = (32, 33) if kind == "desktop" else (34, 33)
    face = (171, 171, 171)  # the strip they stand on
    def greyed(c):
        if not grey:
            return c
        v = int(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
        v = 150 + (v - 150) // 3
        return (v, v, v)
    def colour_at(px, py):
        c = face
        if kind == "desktop":
            if 3 <= px <= 28 and 4 <= py <= 22:
                c = (40, 40, 40) if px in (3, 28) or py in (4, 22) else (70, 130, 200)
            if 13 <= px <= 18 and 23 <= py <= 26:
                c = (90, 90, 90)
            if 8 <= px <= 23 and 27 <= py <= 28:
                c = (90, 90, 90)
        else:
            for (x0, y0, col) in ((5, 5, (220, 60, 40)), (18, 5, (60, 170, 60)), (5, 18, (40, 110, 210)),
                                  (18, 18, (240, 190, 30))):
                if x0 <= px <= x0 + 10 and y0 <= py <= y0 + 10:
                    c = col
        return greyed(c) if c != face else face
    write_bmp(path, width, height, colour_at)

def icon(path):
    sizes = [16, 24, 32, 48, 256]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)

if __name__ == "__main__":
    {"icon": icon, "logo": logo, "pin-off": lambda p: pin(p, False),
     "pin-on": lambda p: pin(p, True),
     "desktop": lambda p: jump(p, "desktop", False), "desktop-grey": lambda p: jump(p, "desktop", True),
     "startmenu": lambda p: jump(p, "startmenu", False),
     "startmenu-grey": lambda p: jump(p, "startmenu", True)}[sys.argv[1]](sys.argv[2])
