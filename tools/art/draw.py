"""Drawing primitives of Torvane's artwork: supersampled shapes with hard edges, text, symbols.

Every picture is drawn at four times its size on a dark ink background and reduced. A pixel is
opaque when at least half of it is covered; edge pixels then carry the shape's colour blended
with the dark ink of its outline, never with the transparent colour.
"""
import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFont

S = 4  # supersampling factor

FONT_DIR = "/usr/share/fonts/truetype/dejavu"

# The palette of the whole program.
INK = (18, 20, 48)
BODY_TOP = (62, 66, 136)
BODY_BOTTOM = (32, 34, 82)
STRIP_TOP = (26, 28, 66)
STRIP_BOTTOM = (42, 45, 100)
PANEL = (30, 32, 76)
LAVENDER = (156, 154, 206)
LAVENDER_LIGHT = (204, 202, 238)
LAVENDER_DARK = (112, 110, 170)
WHITE = (255, 255, 255)
TEXT_LIGHT = (226, 228, 250)
TEXT_DIM = (150, 154, 206)
AMBER = (255, 170, 40)
AMBER_DARK = (196, 112, 12)
GREEN = (64, 196, 112)
RED = (226, 66, 56)
BLUE = (72, 146, 236)
GREY_TOP = (176, 176, 188)
GREY_BOTTOM = (140, 140, 152)
MAGENTA = (255, 0, 255)


def font(size, bold=True, condensed=False, italic=False):
    name = "DejaVuSans"
    if condensed:
        name += "Condensed"
    style = ("Bold" if bold else "") + ("Oblique" if italic else "")
    if style:
        name += "-" + style
    return ImageFont.truetype(os.path.join(FONT_DIR, name + ".ttf"), int(round(size * S)))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, amount):
    return tuple(min(255, v + amount) for v in c)


def darker(c, amount):
    return tuple(max(0, v - amount) for v in c)


def vgradient(size, top, bottom):
    w, h = size
    img = Image.new("RGB", (w, h))
    px = ImageDraw.Draw(img)
    for y in range(h):
        px.line([(0, y), (w, y)], fill=mix(top, bottom, y / max(1, h - 1)))
    return img


def rounded(d, box, radius, corners=None, fill=255):
    """A rounded rectangle in supersampled pixels; corners (tl, tr, br, bl) picks the round ones."""
    x0, y0, x1, y1 = box
    if radius <= 0:
        d.rectangle(box, fill=fill)
        return
    d.rounded_rectangle(box, radius=radius, fill=fill)
    if corners is None:
        return
    r = radius + 1
    squares = ((x0, y0, x0 + r, y0 + r), (x1 - r, y0, x1, y0 + r), (x1 - r, y1 - r, x1, y1),
               (x0, y1 - r, x0 + r, y1))
    for keep, sq in zip(corners, squares):
        if not keep:
            d.rectangle(sq, fill=fill)


class Canvas:
    """A picture under construction, with the mask of its opaque part."""

    def __init__(self, w, h, background=INK, opaque=False):
        self.w, self.h = w, h
        self.rgb = Image.new("RGB", (w * S, h * S), background)
        self.mask = Image.new("L", (w * S, h * S), 255 if opaque else 0)

    # --- shapes -------------------------------------------------------------------------------
    def shape_mask(self, draw_fn):
        m = Image.new("L", self.rgb.size, 0)
        draw_fn(ImageDraw.Draw(m))
        return m

    def fill(self, m, paint, opaque=True):
        """Paints through mask m: paint is a colour or a (top, bottom) gradient over the mask's
        bounding box, or an image of the canvas' size."""
        if isinstance(paint, Image.Image):
            src = paint
        elif isinstance(paint, tuple) and len(paint) == 2 and isinstance(paint[0], tuple):
            box = m.getbbox()
            if box is None:
                return
            src = Image.new("RGB", self.rgb.size)
            grad = vgradient((box[2] - box[0], box[3] - box[1]), paint[0], paint[1])
            src.paste(grad, box[:2])
        else:
            src = Image.new("RGB", self.rgb.size, paint)
        self.rgb.paste(src, (0, 0), m)
        if opaque:
            self.mask.paste(255, (0, 0), m)

    def rrect(self, box, radius, paint, opaque=True, corners=None):
        x0, y0, x1, y1 = box
        sbox = [x0 * S, y0 * S, x1 * S - 1, y1 * S - 1]
        m = self.shape_mask(lambda d: rounded(d, sbox, radius * S, corners))
        self.fill(m, paint, opaque)
        return m

    def rect(self, box, paint, opaque=True):
        return self.rrect(box, 0, paint, opaque)

    def ellipse(self, box, paint, opaque=True):
        x0, y0, x1, y1 = box
        m = self.shape_mask(lambda d: d.ellipse([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], fill=255))
        self.fill(m, paint, opaque)
        return m

    def polygon(self, points, paint, opaque=True):
        m = self.shape_mask(lambda d: d.polygon([(x * S, y * S) for x, y in points], fill=255))
        self.fill(m, paint, opaque)
        return m

    def line(self, points, width, paint, opaque=True):
        m = self.shape_mask(lambda d: d.line([(x * S, y * S) for x, y in points],
                                             fill=255, width=int(round(width * S)), joint="curve"))
        self.fill(m, paint, opaque)
        return m

    def arc(self, box, start, end, width, paint, opaque=True):
        x0, y0, x1, y1 = box
        m = self.shape_mask(lambda d: d.arc([x0 * S, y0 * S, x1 * S, y1 * S], start, end,
                                            fill=255, width=int(round(width * S))))
        self.fill(m, paint, opaque)
        return m

    def framed(self, box, radius, paint, outline=INK, corners=None, bevel=True):
        """A rounded panel with a one-pixel outline and a light top and dark bottom bevel."""
        x0, y0, x1, y1 = box
        self.rrect(box, radius, outline, corners=corners)
        inner = (x0 + 1, y0 + 1, x1 - 1, y1 - 1)
        self.rrect(inner, max(0, radius - 1), paint, corners=corners)
        if bevel:
            top = paint[0] if isinstance(paint[0], tuple) else paint
            bottom = paint[1] if isinstance(paint[0], tuple) else paint
            ibox = [inner[0] * S, inner[1] * S, inner[2] * S - 1, inner[3] * S - 1]
            full = self.shape_mask(lambda d: rounded(d, ibox, max(0, radius - 1) * S, corners))
            core = self.shape_mask(lambda d: rounded(
                d, [ibox[0] + S, ibox[1] + S, ibox[2] - S, ibox[3] - S],
                max(0, radius - 2) * S, corners))
            hl = ImageChops.subtract(full, core)
            upper = Image.new("L", self.rgb.size, 0)
            upper.paste(hl.crop((0, 0, self.rgb.size[0], int((y0 + (y1 - y0) / 2) * S))), (0, 0))
            lower = Image.new("L", self.rgb.size, 0)
            cut = int((y0 + (y1 - y0) / 2) * S)
            lower.paste(hl.crop((0, cut, self.rgb.size[0], self.rgb.size[1])), (0, cut))
            self.fill(upper, lighter(top, 40), opaque=False)
            self.fill(lower, darker(bottom, 18), opaque=False)

    # --- text ---------------------------------------------------------------------------------
    def text(self, xy, string, fnt, colour, anchor="la", shadow=None, opaque=True):
        if shadow is not None:
            self._text((xy[0] + 1, xy[1] + 1), string, fnt, shadow, anchor, opaque)
        self._text(xy, string, fnt, colour, anchor, opaque)

    def _text(self, xy, string, fnt, colour, anchor, opaque):
        m = Image.new("L", self.rgb.size, 0)
        ImageDraw.Draw(m).text((xy[0] * S, xy[1] * S), string, font=fnt, fill=255, anchor=anchor)
        self.fill(m, colour, opaque)

    # --- result -------------------------------------------------------------------------------
    def finish(self):
        """The picture at its real size: (RGB image, list of rows of opacity flags)."""
        rgb = self.rgb.resize((self.w, self.h), Image.BOX)
        mask = self.mask.resize((self.w, self.h), Image.BOX)
        opaque = [[mask.getpixel((x, y)) >= 128 for x in range(self.w)] for y in range(self.h)]
        return rgb, opaque


def text_width(string, fnt):
    return fnt.getlength(string) / S


def fit_font(string, width, sizes=(11, 10.5, 10, 9.5, 9, 8.5, 8), condensed=True, bold=True):
    for size in sizes:
        f = font(size, bold=bold, condensed=condensed)
        if text_width(string, f) <= width:
            return f
    return font(sizes[-1], bold=bold, condensed=condensed)


# --- symbols --------------------------------------------------------------------------------
# Each draws into a square box (x, y, size) in the given colours.

def sym_gear(c, x, y, s, colour, hole):
    cx, cy = x + s / 2, y + s / 2
    r_out, r_in = s * 0.48, s * 0.34
    pts = []
    teeth = 8
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4)
        r = r_out if (i % 4) in (1, 2) else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(pts, colour)
    c.ellipse((cx - s * 0.31, cy - s * 0.31, cx + s * 0.31, cy + s * 0.31), colour)
    c.ellipse((cx - s * 0.13, cy - s * 0.13, cx + s * 0.13, cy + s * 0.13), hole)


def sym_monitor(c, x, y, s, frame, screen, accent):
    c.rrect((x + s * 0.04, y + s * 0.08, x + s * 0.96, y + s * 0.72), s * 0.06, frame)
    c.rect((x + s * 0.12, y + s * 0.16, x + s * 0.88, y + s * 0.63), screen)
    # desktop icons and a window on the screen
    for i in range(3):
        c.rect((x + s * 0.17, y + s * (0.21 + i * 0.13), x + s * 0.27, y + s * (0.29 + i * 0.13)),
               accent)
    c.rect((x + s * 0.40, y + s * 0.25, x + s * 0.82, y + s * 0.55), (236, 238, 252))
    c.rect((x + s * 0.40, y + s * 0.25, x + s * 0.82, y + s * 0.31), AMBER)
    c.polygon([(x + s * 0.40, y + s * 0.88), (x + s * 0.60, y + s * 0.88),
               (x + s * 0.56, y + s * 0.72), (x + s * 0.44, y + s * 0.72)], frame)
    c.rect((x + s * 0.28, y + s * 0.86, x + s * 0.72, y + s * 0.94), frame)


def sym_menu(c, x, y, s, panel, rows, accent):
    c.rrect((x + s * 0.14, y + s * 0.04, x + s * 0.86, y + s * 0.96), s * 0.06, panel)
    c.rect((x + s * 0.14, y + s * 0.04, x + s * 0.30, y + s * 0.96), accent)
    for i in range(5):
        yy = y + s * (0.14 + i * 0.16)
        c.rect((x + s * 0.38, yy, x + s * 0.78, yy + s * 0.07), rows)
    c.polygon([(x + s * 0.62, y + s * 0.78), (x + s * 0.62, y + s * 0.98),
               (x + s * 0.72, y + s * 0.91)], AMBER)


def sym_globe(c, x, y, s, sea, land, lines):
    c.ellipse((x + s * 0.04, y + s * 0.04, x + s * 0.96, y + s * 0.96), sea)
    c.polygon([(x + s * 0.22, y + s * 0.22), (x + s * 0.46, y + s * 0.16), (x + s * 0.52, y + s * 0.36),
               (x + s * 0.38, y + s * 0.50), (x + s * 0.40, y + s * 0.72), (x + s * 0.26, y + s * 0.60),
               (x + s * 0.14, y + s * 0.40)], land)
    c.polygon([(x + s * 0.60, y + s * 0.50), (x + s * 0.84, y + s * 0.44), (x + s * 0.86, y + s * 0.66),
               (x + s * 0.66, y + s * 0.84), (x + s * 0.58, y + s * 0.68)], land)
    w = max(1.0, s * 0.05)
    c.arc((x + s * 0.28, y + s * 0.04, x + s * 0.72, y + s * 0.96), 0, 360, w, lines)
    c.line([(x + s * 0.50, y + s * 0.05), (x + s * 0.50, y + s * 0.95)], w, lines)
    c.line([(x + s * 0.06, y + s * 0.50), (x + s * 0.94, y + s * 0.50)], w, lines)
    c.arc((x + s * 0.04, y + s * 0.04, x + s * 0.96, y + s * 0.96), 0, 360, w, lines)


def sym_disc(c, x, y, s, face, sheen, hole):
    c.ellipse((x + s * 0.04, y + s * 0.04, x + s * 0.96, y + s * 0.96), face)
    cx, cy = x + s / 2, y + s / 2
    for start, colour in ((200, sheen[0]), (20, sheen[1])):
        c.polygon([(cx, cy)] + [(cx + s * 0.44 * math.cos(math.radians(a)),
                                 cy + s * 0.44 * math.sin(math.radians(a)))
                                for a in range(start, start + 55, 5)], colour)
    c.ellipse((cx - s * 0.17, cy - s * 0.17, cx + s * 0.17, cy + s * 0.17), (200, 204, 230))
    c.ellipse((cx - s * 0.08, cy - s * 0.08, cx + s * 0.08, cy + s * 0.08), hole)


def sym_drive(c, x, y, s, case, top, led):
    c.rrect((x + s * 0.04, y + s * 0.30, x + s * 0.96, y + s * 0.80), s * 0.08, case)
    c.rrect((x + s * 0.04, y + s * 0.30, x + s * 0.96, y + s * 0.46), s * 0.06, top)
    for i in range(5):
        xx = x + s * (0.14 + i * 0.09)
        c.rect((xx, y + s * 0.58, xx + s * 0.05, y + s * 0.70), darker(case, 60))
    c.ellipse((x + s * 0.74, y + s * 0.57, x + s * 0.86, y + s * 0.69), led)


def sym_ram(c, x, y, s, board, chip, pins):
    c.rect((x + s * 0.02, y + s * 0.28, x + s * 0.98, y + s * 0.70), board)
    for i in range(4):
        xx = x + s * (0.08 + i * 0.23)
        c.rect((xx, y + s * 0.34, xx + s * 0.17, y + s * 0.58), chip)
    for i in range(9):
        xx = x + s * (0.06 + i * 0.1)
        c.rect((xx, y + s * 0.70, xx + s * 0.05, y + s * 0.80), pins)
    c.rect((x + s * 0.46, y + s * 0.66, x + s * 0.54, y + s * 0.80), (0, 0, 0), opaque=False)


def sym_sunrise(c, x, y, s, sun, rays, ground):
    cx, cy = x + s / 2, y + s * 0.70
    for a in range(200, 341, 35):
        r0, r1 = s * 0.34, s * 0.48
        c.line([(cx + r0 * math.cos(math.radians(a)), cy + r0 * math.sin(math.radians(a))),
                (cx + r1 * math.cos(math.radians(a)), cy + r1 * math.sin(math.radians(a)))],
               max(1.5, s * 0.08), rays)
    c.polygon([(cx, cy)] + [(cx + s * 0.27 * math.cos(math.radians(a)),
                             cy + s * 0.27 * math.sin(math.radians(a))) for a in range(180, 361, 10)],
              sun)
    c.rect((x + s * 0.04, y + s * 0.72, x + s * 0.96, y + s * 0.80), ground)
    c.polygon([(cx, y + s * 0.24), (cx - s * 0.13, y + s * 0.42), (cx + s * 0.13, y + s * 0.42)],
              WHITE)


def sym_power(c, x, y, s, colour):
    w = s * 0.13
    c.arc((x + s * 0.12, y + s * 0.14, x + s * 0.88, y + s * 0.90), -50, 230, w, colour)
    c.line([(x + s * 0.5, y + s * 0.06), (x + s * 0.5, y + s * 0.48)], w, colour)


def sym_chip(c, x, y, s, body, pins, mark):
    for i in range(4):
        p = s * (0.24 + i * 0.16)
        c.rect((x + p, y + s * 0.04, x + p + s * 0.07, y + s * 0.96), pins)
        c.rect((x + s * 0.04, y + p, x + s * 0.96, y + p + s * 0.07), pins)
    c.rrect((x + s * 0.16, y + s * 0.16, x + s * 0.84, y + s * 0.84), s * 0.06, body)
    c.rect((x + s * 0.32, y + s * 0.32, x + s * 0.68, y + s * 0.68), mark)


def sym_question(c, x, y, s, disc, mark):
    c.ellipse((x, y, x + s, y + s), disc)
    c.text((x + s / 2, y + s / 2 + s * 0.04), "?", font(s * 0.78), mark, anchor="mm")


def sym_triangle(c, x, y, s, colour, left=False):
    if left:
        c.polygon([(x + s * 0.8, y + s * 0.1), (x + s * 0.8, y + s * 0.9), (x + s * 0.15, y + s * 0.5)],
                  colour)
    else:
        c.polygon([(x + s * 0.2, y + s * 0.1), (x + s * 0.2, y + s * 0.9), (x + s * 0.85, y + s * 0.5)],
                  colour)


def sym_check(c, x, y, s, colour):
    c.line([(x + s * 0.1, y + s * 0.55), (x + s * 0.4, y + s * 0.85), (x + s * 0.92, y + s * 0.18)],
           s * 0.2, colour)


def sym_cross(c, x, y, s, colour, width=0.2):
    c.line([(x + s * 0.15, y + s * 0.15), (x + s * 0.85, y + s * 0.85)], s * width, colour)
    c.line([(x + s * 0.85, y + s * 0.15), (x + s * 0.15, y + s * 0.85)], s * width, colour)


def sym_square(c, x, y, s, colour):
    c.rrect((x + s * 0.15, y + s * 0.15, x + s * 0.85, y + s * 0.85), s * 0.1, colour)


def sym_list(c, x, y, s, colour):
    for i in range(3):
        yy = y + s * (0.14 + i * 0.3)
        c.rect((x + s * 0.05, yy, x + s * 0.2, yy + s * 0.16), colour)
        c.rect((x + s * 0.3, yy, x + s * 0.95, yy + s * 0.16), colour)


def gauge(c, x, y, s, needle_deg, arc_deg, rim=(196, 206, 232)):
    """The product's mark: a round gauge whose needle is measured from left (0) to right (180)."""
    cx, cy = x + s / 2, y + s / 2
    c.ellipse((x, y, x + s, y + s), rim)
    c.ellipse((x + s * 0.08, y + s * 0.08, x + s * 0.92, y + s * 0.92), (40, 62, 124))
    c.ellipse((x + s * 0.11, y + s * 0.11, x + s * 0.89, y + s * 0.89), (22, 38, 84))
    r = s * 0.36
    if arc_deg > 0:
        c.arc((cx - r, cy - r, cx + r, cy + r), 180, 180 + arc_deg, s * 0.07, GREEN)
    for t in range(0, 181, 30):
        a = math.radians(180 + t)
        c.line([(cx + s * 0.30 * math.cos(a), cy + s * 0.30 * math.sin(a)),
                (cx + s * 0.40 * math.cos(a), cy + s * 0.40 * math.sin(a))], max(1.0, s * 0.04),
               (230, 236, 250))
    a = math.radians(180 + needle_deg)
    tip = (cx + s * 0.36 * math.cos(a), cy + s * 0.36 * math.sin(a))
    perp = (-math.sin(a) * s * 0.06, math.cos(a) * s * 0.06)
    c.polygon([tip, (cx + perp[0], cy + perp[1]), (cx - perp[0], cy - perp[1])], AMBER)
    c.ellipse((cx - s * 0.09, cy - s * 0.09, cx + s * 0.09, cy + s * 0.09), (250, 250, 250))
