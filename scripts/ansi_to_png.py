#!/usr/bin/python3
"""Renders a terminal capture (tmux capture-pane -e -p) as a PNG.

Usage: ansi_to_png.py CAPTURE PNG NARROW_FONT WIDE_FONT [COLUMNS]

Each font is REGULAR[,BOLD], each of them FILE or FILE:INDEX (a face of a
.ttc collection), as fc-match gives them: NARROW_FONT for one-column
characters, WIDE_FONT for two-column ones.
Every character takes the columns the terminal gave it (East Asian wide
and fullwidth two, the rest one), so the picture keeps the terminal's
grid. Box-drawing lines are drawn as strokes that meet across cells, as
terminals do. Colours are the classic 16-colour console palette.
"""
import re
import sys
import unicodedata

from PIL import Image, ImageDraw, ImageFont

CELL_W, CELL_H = 10, 20
MARGIN = 10

# Terminal palette order (black, red, green, yellow, blue, magenta, cyan,
# white, then the bright ones), in the console's classic colours.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
DEFAULT_FG, DEFAULT_BG = 7, 0

# Arms (left, right, up, down) of the light box-drawing characters.
BOX = {
    "─": (1, 1, 0, 0), "│": (0, 0, 1, 1),
    "┌": (0, 1, 0, 1), "┐": (1, 0, 0, 1), "└": (0, 1, 1, 0), "┘": (1, 0, 1, 0),
    "├": (0, 1, 1, 1), "┤": (1, 0, 1, 1), "┬": (1, 1, 0, 1), "┴": (1, 1, 1, 0),
    "┼": (1, 1, 1, 1),
}

SGR = re.compile(r"\x1b\[([0-9;:]*)m")


def load(font, size):
    path, _, index = font.partition(":")
    return ImageFont.truetype(path, size, index=int(index or 0))


def columns(ch):
    return 2 if unicodedata.east_asian_width(ch) in ("W", "F") else 1


def colour(value):
    if isinstance(value, tuple):
        return value
    if value < 16:
        return PALETTE[value]
    if value < 232:  # the 6x6x6 cube of 256-colour terminals
        v = value - 16
        steps = [0, 95, 135, 175, 215, 255]
        return (steps[v // 36], steps[v // 6 % 6], steps[v % 6])
    grey = 8 + 10 * (value - 232)
    return (grey, grey, grey)


def apply_sgr(params, pen):
    codes = [int(p) if p else 0 for p in re.split("[;:]", params)] if params else [0]
    i = 0
    while i < len(codes):
        c = codes[i]
        if c == 0:
            pen.update(fresh_pen())
        elif c == 1:
            pen["bold"] = True
        elif c == 22:
            pen["bold"] = False
        elif c == 7:
            pen["reverse"] = True
        elif c == 27:
            pen["reverse"] = False
        elif 30 <= c <= 37:
            pen["fg"] = c - 30
        elif 90 <= c <= 97:
            pen["fg"] = c - 90 + 8
        elif 40 <= c <= 47:
            pen["bg"] = c - 40
        elif 100 <= c <= 107:
            pen["bg"] = c - 100 + 8
        elif c == 39:
            pen["fg"] = DEFAULT_FG
        elif c == 49:
            pen["bg"] = DEFAULT_BG
        elif c in (38, 48) and i + 1 < len(codes):
            key = "fg" if c == 38 else "bg"
            if codes[i + 1] == 5 and i + 2 < len(codes):
                pen[key] = codes[i + 2]
                i += 2
            elif codes[i + 1] == 2 and i + 4 < len(codes):
                pen[key] = tuple(codes[i + 2:i + 5])
                i += 4
        i += 1


def fresh_pen():
    return dict(fg=DEFAULT_FG, bg=DEFAULT_BG, bold=False, reverse=False)


def parse(text, width):
    """Rows of cells: (character, or None for a wide one's right half; pen)."""
    pen = fresh_pen()
    rows = []
    for line in text.split("\n"):
        cells = []
        # Text and SGR parameters alternate; the pen carries across lines.
        for i, part in enumerate(SGR.split(line)):
            if i % 2:
                apply_sgr(part, pen)
                continue
            for ch in part:
                cells.append((ch, dict(pen)))
                if columns(ch) == 2:
                    cells.append((None, dict(pen)))
        # tmux leaves out the blank end of a row.
        cells += [(" ", fresh_pen())] * (width - len(cells))
        rows.append(cells[:width])
    while rows and all(ch in (" ", None) and p["bg"] == DEFAULT_BG for ch, p in rows[-1]):
        rows.pop()
    return rows


def draw_box(draw, x, y, arms, fill):
    cx, cy = x + CELL_W // 2, y + CELL_H // 2
    left, right, up, down = arms
    if left:
        draw.line([(x, cy), (cx, cy)], fill=fill, width=1)
    if right:
        draw.line([(cx, cy), (x + CELL_W - 1, cy)], fill=fill, width=1)
    if up:
        draw.line([(cx, y), (cx, cy)], fill=fill, width=1)
    if down:
        draw.line([(cx, cy), (cx, y + CELL_H - 1)], fill=fill, width=1)


def render(rows, width, narrow, wide):
    img = Image.new("RGB", (2 * MARGIN + width * CELL_W, 2 * MARGIN + len(rows) * CELL_H),
                    PALETTE[DEFAULT_BG])
    draw = ImageDraw.Draw(img)
    fonts = {
        (1, False): load(narrow[0], 16), (1, True): load(narrow[1], 16),
        (2, False): load(wide[0], 18), (2, True): load(wide[1], 18),
    }
    for r, cells in enumerate(rows):
        y = MARGIN + r * CELL_H
        for c, (ch, pen) in enumerate(cells):
            if ch is None:
                continue
            x = MARGIN + c * CELL_W
            n = columns(ch)
            fg, bg = colour(pen["fg"]), colour(pen["bg"])
            if pen["reverse"]:
                fg, bg = bg, fg
            draw.rectangle([x, y, x + n * CELL_W - 1, y + CELL_H - 1], fill=bg)
            if ch == " ":
                continue
            if ch in BOX:
                draw_box(draw, x, y, BOX[ch], fg)
                continue
            font = fonts[(n, pen["bold"])]
            # Centred in its cells, on the row's middle.
            draw.text((x + n * CELL_W / 2, y + CELL_H / 2), ch, font=font, fill=fg, anchor="mm")
    return img


def main():
    if len(sys.argv) not in (5, 6):
        sys.exit(__doc__)
    capture, out, narrow, wide = sys.argv[1:5]
    width = int(sys.argv[5]) if len(sys.argv) == 6 else 80
    with open(capture, encoding="utf-8") as f:
        text = f.read().rstrip("\n")
    narrow_fonts = narrow.split(",")
    wide_fonts = wide.split(",")
    narrow_fonts += narrow_fonts[:1] * (2 - len(narrow_fonts))
    wide_fonts += wide_fonts[:1] * (2 - len(wide_fonts))
    render(parse(text, width), width, narrow_fonts, wide_fonts).save(out, optimize=True)


if __name__ == "__main__":
    main()
