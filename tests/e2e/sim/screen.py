"""Screenshots as the simulator writes them (24-bit BMP) and the HUD text read back off them."""
import os
import struct

MAGENTA = (255, 0, 255)  # the sprites' transparent colour
COLOUR_TOLERANCE = 8  # the back buffer holds 16-bit colour, so a glyph's colour comes back rounded
GLYPH_MATCH = 0.97  # share of a glyph's opaque pixels that must match for the cell to read as it


def _read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    if bits not in (16, 24):
        raise ValueError(f"{path}: {bits}-bit, expected 24-bit or 16-bit 5-6-5")
    stride = (width * bits // 8 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        stored = abs(height) - 1 - y if height > 0 else y  # positive height: bottom row first
        start = offset + stored * stride
        row = data[start:start + width * bits // 8]
        rows.append(row if bits == 24 else _expand_565(row))
    return width, abs(height), rows


def _expand_565(row):
    """16-bit 5-6-5 pixels (the generated screens) as blue, green, red bytes, widened as SDL
    widens them."""
    out = bytearray()
    for (value,) in struct.iter_unpack("<H", row):
        r, g, b = value >> 11, (value >> 5) & 0x3F, value & 0x1F
        out += bytes(((b << 3) | (b >> 2), (g << 2) | (g >> 4), (r << 3) | (r >> 2)))
    return bytes(out)


class Picture:
    """Pixels as (r, g, b) with (0, 0) at the top-left."""

    def __init__(self, path):
        self.path = path
        self.width, self.height, self._rows = _read_bmp(path)

    def pixel(self, x, y):
        b, g, r = self._rows[y][3 * x:3 * x + 3]
        return r, g, b

    def region(self, x0, y0, x1, y1):
        """The raw pixels of [x0, x1) x [y0, y1), for comparing two pictures."""
        return b"".join(row[3 * x0:3 * x1] for row in self._rows[y0:y1])

    def lit_share(self):
        """Share of pixels that are not pure black."""
        lit = sum(1 for row in self._rows for i in range(0, len(row), 3) if any(row[i:i + 3]))
        return lit / (self.width * self.height)

    def share_like(self, source, top, rows):
        """Share of the pixels of screen rows top..top+rows-1 that show the first rows of the
        source picture, colours rounded as the 16-bit back buffer rounds them."""
        close = total = 0
        for y in range(top, top + rows):
            for x in range(min(self.width, source.width)):
                total += 1
                close += _close(self.pixel(x, y), source.pixel(x, y - top))
        return close / total if total else 0.0

    def first_lit_row(self):
        """The first row from the top with a pixel that is not pure black; height if none."""
        for y, row in enumerate(self._rows):
            if any(row):
                return y
        return self.height


def _close(a, b):
    return all(abs(p - q) <= COLOUR_TOLERANCE for p, q in zip(a, b))


class Font:
    """The glyphs of one font sprite: frames stacked downwards in column 0."""

    def __init__(self, images_dir, name, characters):
        self.picture = Picture(os.path.join(images_dir, name + ".bmp"))
        settings = {}
        with open(os.path.join(images_dir, name + ".ini")) as f:
            for line in f:
                if "=" in line:
                    key, value = line.split("=", 1)
                    settings[key.strip()] = int(value)
        self.cell_w = settings["spriteWidth"]
        self.cell_h = settings["spriteHeight"]
        self.glyphs = {}
        for frame, ch in enumerate(characters):
            top = frame * self.cell_h
            self.glyphs[ch] = [(x, y, self.picture.pixel(x, top + y))
                               for y in range(self.cell_h) for x in range(self.cell_w)
                               if self.picture.pixel(x, top + y) != MAGENTA]


class HudReader:
    """Reads text drawn with the game's letter and digit fonts in 20-pixel cells."""

    ADVANCE = 20

    def __init__(self, images_dir):
        self.fonts = [Font(images_dir, "font09_v", "0123456789"),
                      Font(images_dir, "fontaz_v", "ABCDEFGHIJKLMNOPQRSTUVWXYZ")]

    def cell_scores(self, picture, x, y):
        """Each glyph's share of opaque pixels found at the cell whose top-left is (x, y)."""
        scores = {}
        for font in self.fonts:
            for ch, pixels in font.glyphs.items():
                hits = sum(1 for gx, gy, colour in pixels
                           if _close(picture.pixel(x + gx, y + gy), colour))
                scores[ch] = hits / len(pixels)
        return scores

    def read(self, picture, x, y, cells):
        """The text of cells cells from (x, y): a glyph where one matches, a space elsewhere."""
        text = ""
        for i in range(cells):
            scores = self.cell_scores(picture, x + self.ADVANCE * i, y)
            best = max(scores, key=scores.get)
            text += best if scores[best] >= GLYPH_MATCH else " "
        return text.rstrip()
