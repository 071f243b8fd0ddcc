"""Writers of Windows picture files: 8- and 4-bit BMPs on one shared palette, icons and cursors.

Pixels outside a picture's mask are exact magenta (255, 0, 255); no opaque pixel may come within
8 of it on every channel, since the program treats those as transparent too.
"""
import struct

from PIL import Image

from draw import MAGENTA


def near_magenta(c):
    return c[0] >= 247 and c[1] <= 8 and c[2] >= 247


class Palette:
    """The program's one palette of 255 colours (the 256th entry is kept for magenta)."""

    def __init__(self, pictures, fixed, colours=None):
        """Chooses the colours for the pictures, or takes the given ones (a kept palette)."""
        if colours is None:
            colours = self._choose(pictures, fixed)
        for c in colours:
            assert not near_magenta(c), c
        self.colours = colours
        self.image = Image.new("P", (1, 1))
        flat = []
        for c in colours + [colours[0]]:
            flat.extend(c)
        self.image.putpalette(flat)

    @staticmethod
    def _choose(pictures, fixed):
        sample = []
        for rgb, opaque in pictures:
            px = rgb.load()
            for y, row in enumerate(opaque):
                for x, on in enumerate(row):
                    if on:
                        sample.append(px[x, y])
        for c in fixed:
            sample.extend([c] * 2000)
        img = Image.new("RGB", (len(sample), 1))
        img.putdata(sample)
        q = img.quantize(255 - len(fixed), method=Image.Quantize.MEDIANCUT)
        return list(fixed) + [tuple(q.getpalette()[i * 3:i * 3 + 3]) for i in range(255 - len(fixed))]

    def save(self, path):
        with open(path, "w") as f:
            f.write("# The shared palette of the artwork, one colour a line (red green blue).\n")
            f.write("# tools/art/generate.py keeps it; --new-palette chooses it again.\n")
            for c in self.colours:
                f.write("%d %d %d\n" % c)

    @staticmethod
    def load(path):
        with open(path) as f:
            return [tuple(int(v) for v in line.split()) for line in f
                    if line.strip() and not line.startswith("#")]

    def indices(self, rgb, opaque, dither):
        """Palette indices of a picture, 255 for transparent pixels."""
        q = rgb.quantize(palette=self.image,
                         dither=Image.Dither.FLOYDSTEINBERG if dither else Image.Dither.NONE)
        data = list(q.getdata())
        w = rgb.size[0]
        out = []
        for y, row in enumerate(opaque):
            out.append([data[y * w + x] if on else 255 for x, on in enumerate(row)])
        return out

    def colour(self, index):
        return MAGENTA if index == 255 else self.colours[index]


def _packed_rows(bits, rows):
    """Uncompressed pixel rows, bottom-up, each padded to four bytes."""
    body = b""
    for row in reversed(rows):
        if bits == 8:
            line = bytes(row)
        else:
            line = bytes((row[i] << 4) | (row[i + 1] if i + 1 < len(row) else 0)
                         for i in range(0, len(row), 2))
        body += line + b"\0" * ((4 - len(line) % 4) % 4)
    return body


def _absolute(bits, pixels):
    """Pixels copied as they are (3 to 254 of them), padded to a whole word."""
    if bits == 8:
        data = bytes(pixels)
    else:
        data = bytes((pixels[i] << 4) | (pixels[i + 1] if i + 1 < len(pixels) else 0)
                     for i in range(0, len(pixels), 2))
    return bytes((0, len(pixels))) + data + b"\0" * (len(data) & 1)


def _run_length(row, i, bits):
    """How many pixels from i one encoded run covers: one repeated index at 8 bits, two
    alternating ones at 4 bits."""
    j = i + 1
    while j < len(row) and j - i < 255 and row[j] == row[i + ((j - i) & (1 if bits == 4 else 0))]:
        j += 1
    return j - i


def _rle_row(bits, row):
    """One row run-length encoded: runs of one index (two alternating at 4 bits) where they pay,
    the rest copied as it is."""
    out = bytearray()
    loose = []

    def flush():
        # Copied stretches hold at most 254 pixels: Wine's reader (what LoadBitmap uses) skips
        # the 256 bytes of 255 pixels and their pad byte as none.
        while loose:
            chunk = loose[:254]
            del loose[:254]
            if len(chunk) < 3:
                for v in chunk:  # too short to copy: runs of one
                    out.extend((1, v if bits == 8 else v << 4))
            else:
                out.extend(_absolute(bits, chunk))

    i = 0
    while i < len(row):
        n = _run_length(row, i, bits)
        if n >= (3 if bits == 8 else 4) or (n >= 2 and not loose):
            flush()
            pair = row[i] if bits == 8 else (row[i] << 4) | (row[i + 1] if n > 1 else 0)
            out.extend((n, pair))
            i += n
        else:
            loose.extend(row[i:i + n])
            i += n
    flush()
    return bytes(out)


def _rle(bits, rows):
    """BI_RLE8 / BI_RLE4 pixels, bottom-up: a row ends with 0 0, the last with 0 1."""
    lines = [_rle_row(bits, row) for row in reversed(rows)]
    return b"\0\0".join(lines) + b"\0\1"


def _bmp(width, height, bits, table, rows):
    """rows: top-down lists of table indices. The pixels are run-length encoded when that makes
    the file smaller (the program decodes both forms)."""
    body = _packed_rows(bits, rows)
    compression = 0
    rle = _rle(bits, rows)
    if len(rle) < len(body):
        body, compression = rle, (1 if bits == 8 else 2)
    colours = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(body), 2835,
                       2835, len(table), len(table))
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + colours + body


def read_bmp(path):
    """The colours of a BMP that _bmp wrote (raw or run-length encoded), as top-down rows of
    (red, green, blue); an independent reading of the file, to prove it shows its picture."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits, compression, _, _, _, used, _ = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    table = [(data[14 + size + 4 * i + 2], data[14 + size + 4 * i + 1], data[14 + size + 4 * i])
             for i in range(used or (1 << bits))]
    rows = [[None] * width for _ in range(height)]  # bottom-up
    body = data[offset:]
    if compression == 0:
        stride = ((width * bits + 31) // 32) * 4
        for y in range(height):
            line = body[y * stride:(y + 1) * stride]
            for x in range(width):
                rows[y][x] = line[x] if bits == 8 else (line[x // 2] >> (4 - 4 * (x % 2))) & 15
    else:
        x = y = p = 0
        while True:
            count, value = body[p], body[p + 1]
            p += 2
            if count:
                for k in range(count):
                    rows[y][x + k] = value if bits == 8 else (value >> (4 - 4 * (k % 2))) & 15
                x += count
            elif value == 0:
                x, y = 0, y + 1
            elif value == 1:
                break
            else:
                assert value != 2, "no deltas are written"
                n = (value + 1) // 2 if bits == 4 else value
                for k in range(value):
                    rows[y][x + k] = body[p + k] if bits == 8 else (
                        body[p + k // 2] >> (4 - 4 * (k % 2))) & 15
                x += value
                p += n + (n & 1)
    return [[table[i] for i in row] for row in reversed(rows)]


def pixel_sum(rows):
    """FNV-1a (32 bits) of the red, green and blue bytes of top-down rows of colours: what
    tests/ui/ArtPixelSums.h lists for each bitmap and the loaded bitmaps must match."""
    h = 0x811C9DC5
    for row in rows:
        for c in row:
            for v in c:
                h = ((h ^ v) * 0x01000193) & 0xFFFFFFFF
    return h


def write_bmp8(path, palette, picture, dither=False):
    """An 8-bit BMP whose colour table holds only the palette entries the picture uses."""
    rgb, opaque = picture
    return _write_indexed(path, palette, rgb.size, palette.indices(rgb, opaque, dither), 8)


def _write_indexed(path, palette, size, idx, bits):
    """Writes shared-palette indices with a colour table of only the entries they use."""
    used = sorted({i for row in idx for i in row})
    assert len(used) <= (1 << bits), len(used)
    remap = {g: n for n, g in enumerate(used)}
    table = [palette.colour(g) for g in used]
    rows = [[remap[i] for i in row] for row in idx]
    data = _bmp(size[0], size[1], bits, table, rows)
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


def write_bmp4(path, palette, picture):
    """A 16-colour BMP: the picture reduced to 15 colours of the shared palette and magenta."""
    rgb, opaque = picture
    reduced = rgb.quantize(15, method=Image.Quantize.MEDIANCUT).convert("RGB")
    snapped = reduced.quantize(palette=palette.image, dither=Image.Dither.NONE)
    data = list(snapped.getdata())
    w = rgb.size[0]
    idx = [[data[y * w + x] if on else 255 for x, on in enumerate(row)]
           for y, row in enumerate(opaque)]
    return _write_indexed(path, palette, rgb.size, idx, 4)


def _masked_image(picture, bits, colour_of):
    """The XOR and AND bitmaps of one icon or cursor image (palette of `bits` depth)."""
    rgb, opaque = picture
    size = rgb.size[0]
    px = rgb.load()
    entries = []
    index = {}
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            if not opaque[y][x]:
                row.append(0)
                continue
            c = colour_of(px[x, y])
            if c not in index:
                assert len(entries) < (1 << bits) - 1, "too many colours"
                index[c] = len(entries) + 1
                entries.append(c)
            row.append(index[c])
        pixels.append(row)
    table = [(0, 0, 0)] + entries
    table += [(0, 0, 0)] * ((1 << bits) - len(table))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 1 << bits, 0)
    colours = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in table)
    xor = b""
    for row in reversed(pixels):
        if bits == 8:
            line = bytes(row)
        else:
            line = bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))
        xor += line + b"\0" * ((4 - len(line) % 4) % 4)
    stride = ((size + 31) // 32) * 4
    andmask = b""
    for y in reversed(range(size)):
        bitsrow = bytearray(stride)
        for x in range(size):
            if not opaque[y][x]:
                bitsrow[x // 8] |= 0x80 >> (x % 8)
        andmask += bytes(bitsrow)
    return header + colours + xor + andmask


def write_icon(path, palette, pictures):
    """An icon with one 8-bit image per picture (sizes 32 and 16), each with its mask."""
    images = []
    for rgb, opaque in pictures:
        idx = palette.indices(rgb, opaque, False)
        mapped = Image.new("RGB", rgb.size)
        mapped.putdata([palette.colour(i) for row in idx for i in row])
        images.append(_masked_image((mapped, opaque), 8, lambda c: c))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for p, data in zip(pictures, images):
        s = p[0].size[0]
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)
    return len(out)


def write_cursor(path, picture, hotspot, colours):
    """A 32 x 32 cursor of 16 colours; `colours` lists the exact colours the picture uses."""
    def nearest(c):
        return min(colours, key=lambda k: sum((k[i] - c[i]) ** 2 for i in range(3)))
    data = _masked_image(picture, 4, nearest)
    s = picture[0].size[0]
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", s, s, 16, 0, hotspot[0], hotspot[1], len(data), 22)
    out += data
    with open(path, "wb") as f:
        f.write(out)
    return len(out)
