#!/usr/bin/python3
"""Draws all of Torvane's artwork into src/res/art/ and lists it in src/res/resource.h and
src/res/Torvane.rc (between the "artwork" marker lines, which it rewrites).

    /usr/bin/python3 tools/art/generate.py [--preview DIR] [--new-palette]

Needs python3-pil and fonts-dejavu-core (Debian). The build never runs it: its output is kept in
the repository. --preview also writes PNG views of the main window with its buttons. The shared
palette is kept in tools/art/palette.txt: a changed picture leaves every other file as it was.
Bitmaps are stored run-length encoded where that is smaller; tests/ui/ArtPixelSums.h, written from
the files read back, lists each one's colours, so a change of form that changes no picture leaves
it as it was.
"""
import math
import os
import re
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw import *  # noqa: E402,F401,F403
import files  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
RES = os.path.join(ROOT, "src", "res")
ART = os.path.join(RES, "art")
PALETTE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "palette.txt")

SECTION_ACCENT = {"autotune": AMBER, "manual": BLUE, "status": GREEN, "burnin": RED}


def grey_out(picture):
    """The disabled look of any picture: its lightness on a flat grey, the same shape."""
    rgb, opaque = picture
    lum = rgb.convert("L")
    out = Image.new("RGB", rgb.size)
    out.putdata([(int(118 + v * 0.42),) * 2 + (int(126 + v * 0.42),) for v in lum.getdata()])
    return out, opaque


# --- the main window ------------------------------------------------------------------------
MAIN_W, MAIN_H = 442, 490
BODY_RIGHT = 430
STRIP = (8, 9, 422, 32)


def body_colour(y):
    return mix(BODY_TOP, BODY_BOTTOM, y / (MAIN_H - 1))


def main_skin():
    c = Canvas(MAIN_W, MAIN_H)
    outer = c.shape_mask(lambda d: (
        d.rounded_rectangle([0, 0, BODY_RIGHT * S - 1, MAIN_H * S - 1], radius=14 * S, fill=255),
        d.rounded_rectangle([416 * S, 226 * S, MAIN_W * S - 1, 284 * S - 1], radius=8 * S, fill=255)))
    inner = c.shape_mask(lambda d: (
        d.rounded_rectangle([S, S, (BODY_RIGHT - 1) * S - 1, (MAIN_H - 1) * S - 1], radius=13 * S,
                            fill=255),
        d.rounded_rectangle([417 * S, 227 * S, (MAIN_W - 1) * S - 1, 283 * S - 1], radius=7 * S,
                            fill=255)))
    c.fill(outer, INK)
    c.fill(inner, vgradient(c.rgb.size, BODY_TOP, BODY_BOTTOM))
    c.line([(12, 1.5), (BODY_RIGHT - 12, 1.5)], 1, lighter(BODY_TOP, 44))
    # title strip: menus, the product's mark and the window buttons
    c.rrect(STRIP, 6, INK)
    c.rrect((STRIP[0] + 1, STRIP[1] + 1, STRIP[2] - 1, STRIP[3] - 1), 5, (STRIP_TOP, STRIP_BOTTOM))
    c.line([(STRIP[0] + 6, STRIP[3] - 1.5), (STRIP[2] - 6, STRIP[3] - 1.5)], 1,
           lighter(STRIP_BOTTOM, 26))
    gauge(c, 226, 11, 19, 130, 130)
    c.text((249, 20.5), "Torvane", font(13.5), WHITE, anchor="lm", shadow=INK)
    c.text((BODY_RIGHT - 10, 44), "Keeping your System Optimized",
           font(9, bold=False, condensed=True, italic=True), TEXT_DIM, anchor="rm")
    # banner well, band well and page area
    for box in ((8, 55, 422, 81), (8, 82, 422, 124)):
        c.rrect(box, 4, INK)
        c.rrect((box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1), 3, PANEL)
        c.line([(box[0] + 4, box[3] - 1.5), (box[2] - 4, box[3] - 1.5)], 1, lighter(PANEL, 30))
    c.rrect((15, 126, 415, 447), 10, INK)
    c.rrect((16, 127, 414, 446), 9, LAVENDER)
    c.text((18, 461), "Torvane v2.0", font(9.5), TEXT_DIM, anchor="lm")
    c.text((18, 474), "build 106", font(8.5, bold=False), TEXT_DIM, anchor="lm")
    return c


def crop_canvas(base, x, y, w, h):
    """A canvas whose background is the main skin under a button (for flat buttons)."""
    c = Canvas(w, h, opaque=True)
    c.rgb = base.rgb.crop((x * S, y * S, (x + w) * S, (y + h) * S))
    return c


# --- buttons --------------------------------------------------------------------------------
def state_fill(state, base_top=(96, 102, 186), base_bottom=(54, 58, 128)):
    if state == "hover":
        return lighter(base_top, 34), lighter(base_bottom, 26)
    if state == "pressed":
        return darker(base_bottom, 20), darker(base_top, 20)
    return base_top, base_bottom


def push_button(w, h, caption, glyph, state, radius=6):
    c = Canvas(w, h)
    c.framed((0, 0, w, h), radius, state_fill(state))
    if state == "hover":
        c.rrect((1, 1, w - 1, h - 1), radius - 1, AMBER, opaque=False)
        c.rrect((2, 2, w - 2, h - 2), radius - 2, state_fill(state), opaque=False)
    shift = 1 if state == "pressed" else 0
    text_left = 6
    if glyph:
        gs = h * 0.46
        gx, gy = 7 + shift, (h - gs) / 2 + shift
        draw_glyph(c, glyph, gx, gy, gs)
        text_left = 7 + gs + 3
    cx = text_left + (w - text_left - 5) / 2 + shift
    colour = WHITE if state != "pressed" else TEXT_LIGHT
    if "\n" in caption:
        # a name too long for one line: two lines, each centred, in one size that fits both
        lines = caption.split("\n")
        f = fit_font(max(lines, key=len), w - text_left - 5, sizes=(9.5, 9, 8.5))
        for i, line in enumerate(lines):
            c.text((cx, h / 2 + (i - 0.5) * 10.5 + shift), line, f, colour, anchor="mm",
                   shadow=INK)
        return c.finish()
    f = fit_font(caption, w - text_left - 5, sizes=(11, 10.5, 10, 9.5, 9))
    c.text((cx, h / 2 + shift), caption, f, colour, anchor="mm", shadow=INK)
    return c.finish()


def draw_glyph(c, glyph, x, y, s):
    if glyph == "help":
        sym_question(c, x, y, s, AMBER, INK)
    elif glyph == "play":
        sym_triangle(c, x, y, s, GREEN)
    elif glyph == "next":
        sym_triangle(c, x, y, s, AMBER)
    elif glyph == "back":
        sym_triangle(c, x, y, s, AMBER, left=True)
    elif glyph == "stop":
        sym_square(c, x, y, s, RED)
    elif glyph == "check":
        sym_check(c, x, y, s, GREEN)
    elif glyph == "cross":
        sym_cross(c, x, y, s, RED)
    elif glyph == "gear":
        sym_gear(c, x, y, s, LAVENDER_LIGHT, state_fill("normal")[1])
    elif glyph == "list":
        sym_list(c, x, y, s, LAVENDER_LIGHT)
    elif glyph == "ram":
        sym_ram(c, x, y, s, GREEN, INK, AMBER)


def section_tab(caption, accent, state):
    w, h = 60, 21
    c = Canvas(w, h)
    corners = (True, True, False, False)
    fill = state_fill(state, (88, 94, 176), (52, 56, 124))
    if state == "pressed":
        fill = (mix(accent, INK, 0.45), mix(accent, BODY_TOP, 0.35))
    c.rrect((0, 0, w, h), 5, INK, corners=corners)
    c.rrect((1, 1, w - 1, h), 4, fill, corners=corners)
    c.line([(4, 1.5), (w - 4, 1.5)], 1, lighter(fill[0], 40))
    c.rect((1, h - 3, w - 1, h), accent if state != "normal" else mix(accent, INK, 0.35))
    shift = 1 if state == "pressed" else 0
    f = fit_font(caption, w - 6, sizes=(10.5, 10, 9.5, 9))
    c.text((w / 2 + shift, 9.5 + shift), caption, f, WHITE if state != "normal" else TEXT_LIGHT,
           anchor="mm", shadow=INK)
    return c.finish()


def menu_button(base, x, y, w, caption, state):
    h = 16
    c = crop_canvas(base, x, y, w, h)
    if state == "hover":
        c.rrect((0, 0, w, h), 4, (84, 90, 172))
        c.rrect((1, 1, w - 1, h - 1), 3, ((88, 94, 178), (58, 62, 138)))
        c.rect((3, h - 2, w - 3, h - 1), AMBER)
    elif state == "pressed":
        c.rrect((0, 0, w, h), 4, (12, 13, 34))
    shift = 1 if state == "pressed" else 0
    c.text((w / 2 + shift, 7.5 + shift), caption, font(9.5, condensed=True),
           WHITE if state != "normal" else TEXT_LIGHT, anchor="mm")
    return c.finish()


def window_button(kind, state):
    w, h = 22, 18
    c = Canvas(w, h)
    fill = state_fill(state, (74, 78, 150), (44, 48, 110))
    if kind == "close" and state == "hover":
        fill = ((236, 98, 84), (176, 40, 34))
    if kind == "close" and state == "pressed":
        fill = ((128, 26, 22), (186, 52, 44))
    c.framed((0, 0, w, h), 4, fill)
    shift = 1 if state == "pressed" else 0
    colour = WHITE if state != "normal" else TEXT_LIGHT
    if kind == "minimize":
        c.rect((6 + shift, 11 + shift, 16 + shift, 13.5 + shift), colour)
    else:
        sym_cross(c, 6 + shift, 4 + shift, 10, colour, width=0.24)
    return c.finish()


def help_tab(state):
    w, h = 24, 44
    c = Canvas(w, h)
    corners = (False, True, True, False)
    c.framed((0, 0, w, h), 8, state_fill(state), corners=corners)
    if state == "hover":
        c.rrect((1, 1, w - 1, h - 1), 7, AMBER, opaque=False, corners=corners)
        c.rrect((2, 2, w - 2, h - 2), 6, state_fill(state), opaque=False, corners=corners)
    shift = 1 if state == "pressed" else 0
    sym_question(c, 4 + shift, 9 + shift, 16, AMBER if state != "pressed" else AMBER_DARK, INK)
    c.polygon([(9 + shift, 31 + shift), (15 + shift, 35 + shift), (9 + shift, 39 + shift)],
              TEXT_LIGHT)
    return c.finish()


def tweak_tile(symbol, height, state):
    w = 42
    c = Canvas(w, height)
    fill = state_fill(state, (82, 88, 168), (44, 48, 108))
    c.framed((0, 0, w, height), 6, fill)
    if state == "hover":
        c.rrect((1, 1, w - 1, height - 1), 5, AMBER, opaque=False)
        c.rrect((2, 2, w - 2, height - 2), 4, fill, opaque=False)
    shift = 1 if state == "pressed" else 0
    s = 26
    x, y = (w - s) / 2 + shift, height - 37 + 5.5 + shift
    hole = fill[1]
    if symbol == "system":
        sym_gear(c, x, y, s, LAVENDER_LIGHT, hole)
        c.ellipse((x + s * 0.42, y + s * 0.42, x + s * 0.58, y + s * 0.58), AMBER)
    elif symbol == "desktop":
        sym_monitor(c, x, y, s, (200, 204, 232), (54, 110, 200), AMBER)
    elif symbol == "startmenu":
        sym_menu(c, x, y, s, (236, 238, 252), (110, 116, 180), BLUE)
    elif symbol == "internet":
        sym_globe(c, x, y, s, (58, 132, 226), GREEN, (210, 230, 255))
    elif symbol == "cdrom":
        sym_disc(c, x, y, s, (208, 212, 232), ((120, 200, 250), (250, 196, 120)), hole)
    elif symbol == "hdd":
        sym_drive(c, x, y, s, (170, 176, 204), (214, 218, 238), GREEN)
    elif symbol == "memory":
        sym_ram(c, x, y, s, (52, 160, 92), INK, AMBER)
    elif symbol == "bootup":
        sym_sunrise(c, x, y, s, AMBER, (255, 214, 120), GREEN)
    elif symbol == "shutdown":
        sym_power(c, x, y, s, (242, 92, 80))
    elif symbol == "cpu":
        sym_chip(c, x, y, s, (60, 64, 90), (210, 214, 236), AMBER)
    return c.finish()


STATES = ("normal", "hover", "pressed", "disabled")


def four(draw_one):
    pics = {s: draw_one(s) for s in ("normal", "hover", "pressed")}
    pics["disabled"] = grey_out(pics["normal"])
    return pics


# (name, (normal, hover, pressed, disabled) ids, position in the main window or None, drawer)
def button_table(base):
    t = []

    def tab(name, ids, pos, caption, section):
        t.append((name, ids, pos, lambda s: section_tab(caption, SECTION_ACCENT[section], s)))

    tab("AUTOTUNE", (197, 198, 199, 200), (22, 33), "Auto Tune", "autotune")
    tab("MANUAL", (201, 203, 202, 204), (84, 34), "Manual", "manual")
    tab("STATUS", (302, 304, 303, 305), (146, 34), "Status", "status")
    tab("BURNIN", (324, 326, 325, 327), (208, 33), "Burn-in", "burnin")
    for name, ids, x, w, caption in (("MENU_FILE", (246, 247, 248, 246), 15, 31, "File"),
                                     ("MENU_OPTIONS", (249, 251, 250, 249), 48, 59, "Options"),
                                     ("MENU_VIEW", (311, 313, 312, 311), 109, 38, "View"),
                                     ("MENU_HELP", (252, 254, 253, 252), 149, 36, "Help")):
        t.append((name, ids, (x, 14),
                  lambda s, x=x, w=w, caption=caption: menu_button(base, x, 14, w, caption, s)))
    t.append(("MINIMIZE", (224, 226, 225, 224), (364, 13), lambda s: window_button("minimize", s)))
    t.append(("CLOSE", (227, 229, 228, 227), (390, 13), lambda s: window_button("close", s)))
    t.append(("OPEN_HELP", (220, 222, 221, 223), (418, 233), help_tab))
    for name, ids, x, caption, glyph in (("APPLY", (208, 210, 209, 211), 205, "Apply", "check"),
                                         ("CANCEL", (216, 218, 217, 219), 278, "Cancel", "cross"),
                                         ("CLOSE_MAIN", (212, 214, 213, 215), 346, "Close", None)):
        t.append((name, ids, (x, 448),
                  lambda s, caption=caption, glyph=glyph: push_button(66, 24, caption, glyph, s)))
    for name, ids, pos, symbol in (("SYSTEM", (190, 192, 191, 193), (15, 83), "system"),
                                   ("DESKTOP", (162, 164, 163, 165), (60, 83), "desktop"),
                                   ("STARTMENU", (183, 188, 187, 189), (105, 84), "startmenu"),
                                   ("INTERNET", (170, 172, 171, 173), (150, 84), "internet"),
                                   ("CDROM", (158, 160, 159, 161), (195, 83), "cdrom"),
                                   ("HDD", (166, 168, 167, 169), (240, 86), "hdd"),
                                   ("MEMORY", (174, 176, 175, 177), (285, 83), "memory"),
                                   ("BOOTUP", (154, 155, 156, 157), (330, 83), "bootup"),
                                   ("SHUTDOWN", (182, 185, 184, 186), (375, 83), "shutdown"),
                                   ("CPU_TESTS", (328, 330, 329, 331), (15, 83), "cpu")):
        t.append((name, ids, pos,
                  lambda s, symbol=symbol, y=pos[1]: tweak_tile(symbol, 123 - y, s)))
    for name, ids, caption, glyph in (
            ("GET_HELP", (230, 232, 231, 233), "Help", "help"),
            ("TO_SYSTEM_TWEAKS", (238, 240, 239, 241), "To System Tweaks", "next"),
            ("TO_MEMORY_STATUS", (298, 300, 299, 301), "To Memory Status", "next"),
            ("TO_CPU_TEST", (323, 321, 322, 320), "To CPU Test", "next"),
            ("START_TUNING", (242, 243, 244, 245), "Start", "play"),
            ("BACK_TO_INTRO", (255, 257, 256, 258), "Back", "back"),
            ("BEGIN_TUNING", (259, 261, 260, 262), "Begin Tune", "play"),
            ("VIEW_RESULTS", (267, 269, 268, 270), "Recommend Now", "list"),
            ("OPTIMIZE_NOW", (263, 265, 264, 266), "Optimize\nSystem Now", "check"),
            ("GO_BACK", (285, 287, 286, 288), "Go Back", "back"),
            ("FREE_MEMORY", (307, 309, 308, 310), "Free Physical\nMemory", "ram"),
            ("MEMORY_OPTIONS", (314, 316, 315, 317), "Optimization\nOptions", "gear"),
            ("START_CPU_TEST", (333, 335, 334, 336), "Start Test", "play"),
            ("STOP_CPU_TEST", (341, 343, 342, 344), "Stop CPU Test", "stop"),
            ("CPU_TEST_OPTIONS", (340, 338, 339, 337), "CPU Test Options", "gear")):
        t.append((name, ids, None,
                  lambda s, caption=caption, glyph=glyph: push_button(110, 26, caption, glyph, s)))
    return t


# --- banners, band, page host backgrounds, help panel ----------------------------------------
def banner(section, title, line):
    w, h = 414, 26
    accent = SECTION_ACCENT[section]
    c = Canvas(w, h, opaque=True)
    c.rrect((0, 0, w, h), 4, INK)
    grad = Image.new("RGB", c.rgb.size)
    for x in range(w * S):
        t = min(1.0, x / (w * S * 0.6))
        col_top = mix(mix(accent, BODY_TOP, 0.35), BODY_TOP, t)
        grad.paste(col_top, (x, 0, x + 1, h * S))
    c.rrect((1, 1, w - 1, h - 1), 3, grad)
    c.line([(4, 1.5), (w - 4, 1.5)], 1, lighter(mix(accent, BODY_TOP, 0.5), 30))
    c.ellipse((4, 3, 24, 23), INK)
    c.ellipse((5, 4, 23, 22), mix(accent, WHITE, 0.15))
    if section == "autotune":
        gauge(c, 6, 5, 16, 130, 130)
    elif section == "manual":
        sym_gear(c, 7, 6, 14, INK, mix(accent, WHITE, 0.15))
    elif section == "status":
        c.line([(7.5, 17), (11, 12), (14, 15), (17, 8), (20.5, 11)], 2, INK)
    else:
        sym_chip(c, 7, 6, 14, INK, INK, mix(accent, WHITE, 0.15))
    tf = font(12.5)
    c.text((31, 13), title, tf, WHITE, anchor="lm", shadow=INK)
    x = 31 + text_width(title, tf) + 10
    c.text((x, 13.5), line, font(9.5, bold=False), TEXT_LIGHT, anchor="lm")
    return c.finish()


def autotune_band():
    w, h = 414, 42
    c = Canvas(w, h, opaque=True)
    c.rrect((0, 0, w, h), 4, INK)
    c.rrect((1, 1, w - 1, h - 1), 3, (PANEL, lighter(PANEL, 10)))
    steps = (("1", "Analyze", "examine nine modules"), ("2", "Review", "see what can improve"),
             ("3", "Optimize", "commit the changes"))
    for i, (num, word, line) in enumerate(steps):
        x0 = 8 + i * 136
        c.rrect((x0, 6, x0 + 118, 36), 8, INK)
        c.rrect((x0 + 1, 7, x0 + 117, 35), 7, ((70, 76, 152), (46, 50, 112)))
        c.ellipse((x0 + 5, 10, x0 + 27, 32), AMBER)
        c.text((x0 + 16, 21.5), num, font(12), INK, anchor="mm")
        c.text((x0 + 33, 16), word, font(10.5), WHITE, anchor="lm")
        c.text((x0 + 33, 27), line, font(8, bold=False, condensed=True), TEXT_LIGHT, anchor="lm")
        if i < 2:
            ax = x0 + 122
            c.polygon([(ax, 15), (ax + 9, 21), (ax, 27)], AMBER)
    return c.finish()


HOST_W, HOST_H = 400, 321


def page_host(title, wide):
    c = Canvas(HOST_W, HOST_H)
    c.rrect((0, 0, HOST_W, HOST_H), 10, INK)
    c.rrect((1, 1, HOST_W - 1, HOST_H - 1), 9, LAVENDER)
    c.rrect((1, 1, HOST_W - 1, 23), 9, (BODY_TOP, mix(BODY_TOP, BODY_BOTTOM, 0.5)),
            corners=(True, True, False, False))
    c.rect((1, 22, HOST_W - 1, 24), AMBER)
    c.text((14, 12), title, font(11.5), WHITE, anchor="lm")
    x0, w = (10, 381) if wide else (22, 356)
    c.rect((x0 - 1, 24, x0 + w + 1, 312), LAVENDER_DARK)
    c.rect((x0, 24, x0 + w, 311), WHITE)
    return c.finish()


def help_panel():
    w, h = 294, 392
    c = Canvas(w, h)
    corners = (False, True, True, False)
    c.rrect((0, 0, w, h), 12, INK, corners=corners)
    c.rrect((1, 1, w - 1, h - 1), 11, vgradient((w * S, h * S), BODY_TOP, BODY_BOTTOM),
            corners=corners)
    sym_question(c, 12, 8, 20, AMBER, INK)
    c.text((40, 18.5), "Torvane Help", font(13), WHITE, anchor="lm", shadow=INK)
    c.rrect((11, 37, w - 11, 371), 5, INK)
    c.rrect((12, 38, w - 12, 370), 4, WHITE)
    c.text((w / 2, 381), "Press Esc to close this panel", font(8.5, bold=False), TEXT_DIM,
           anchor="mm")
    return c.finish()


def about_picture():
    c = Canvas(48, 48)
    gauge(c, 0, 0, 48, 130, 130)
    return c.finish()


# --- icons and cursors ----------------------------------------------------------------------
def icon_pictures(needle, arc):
    pics = []
    for size in (32, 16):
        c = Canvas(size, size)
        gauge(c, 0, 0, size, needle, arc)
        pics.append(c.finish())
    return pics


def arrow_cursor():
    c = Canvas(32, 32)
    p = [(1, 1), (1, 21), (6, 16.5), (9.5, 25), (13, 23.5), (9.5, 15.5), (16, 15.5)]
    c.line(p + [p[0]], 3.2, WHITE)
    c.polygon(p, AMBER)
    c.line(p + [p[0]], 1.2, INK)
    return c.finish()


def hand_cursor():
    c = Canvas(32, 32)
    finger = (6, 1, 11, 16)
    palm = [(3, 15), (6, 12), (6, 14), (11, 13), (22, 13), (22, 22), (19, 28), (9, 28), (3, 19)]
    c.line(palm + [palm[0]], 2.6, INK)
    c.rrect(finger, 2.5, INK)
    c.polygon(palm, WHITE)
    c.rrect((finger[0] + 1, finger[1] + 1, finger[2] - 1, finger[3]), 1.5, WHITE)
    for x in (11.5, 15, 18.5):
        c.line([(x, 14), (x, 18)], 1, INK)
    return c.finish()


# --- resource lists -------------------------------------------------------------------------
def replace_block(path, begin, end, lines):
    with open(path) as f:
        text = f.read()
    block = begin + "\n" + "\n".join(lines) + "\n" + end
    pattern = re.escape(begin) + r".*?" + re.escape(end)
    if re.search(pattern, text, re.S):
        text = re.sub(pattern, lambda m: block, text, flags=re.S)
    else:
        text = text.rstrip("\n") + "\n\n" + block + "\n"
    with open(path, "w") as f:
        f.write(text)


def write_pixel_sums(sums):
    """tests/ui/ArtPixelSums.h: each bitmap's size and the checksum of its colours, read back from
    the written file. A change of form (compression, colour table order) leaves it as it is; a
    changed picture changes its line."""
    lines = ["// The size and colours of every bitmap resource, for the test that loads them all: FNV-1a",
             "// (32 bits) of the red, green and blue bytes of each pixel, rows top-down. Written by",
             "// tools/art/generate.py from the files it writes.",
             "#pragma once", "", "#include \"res/resource.h\"", "",
             "struct ArtPixelSum {", "    unsigned id;", "    int width;", "    int height;",
             "    unsigned sum;", "};", "",
             "constexpr ArtPixelSum kArtPixelSums[] = {"]
    lines += ["    {%s, %d, %d, 0x%08xu}," % s for s in sorted(sums)]
    lines += ["};", ""]
    with open(os.path.join(ROOT, "tests", "ui", "ArtPixelSums.h"), "w") as f:
        f.write("\n".join(lines))


def main(argv):
    preview = argv[argv.index("--preview") + 1] if "--preview" in argv else None
    os.makedirs(ART, exist_ok=True)
    for old in os.listdir(ART):
        os.remove(os.path.join(ART, old))

    base = main_skin()
    pictures = {}  # resource name -> (id, file, picture, kind)
    ids = []

    def add(name, number, fname, picture, kind="bmp8"):
        pictures[name] = (number, fname, picture, kind)
        ids.append((name, number))

    add("IDB_MAIN_SKIN", 130, "main_skin.bmp", base.finish())
    add("IDB_HELP_PANEL", 137, "help_panel.bmp", help_panel())
    add("IDB_AUTOTUNE_BAND", 283, "autotune_band.bmp", autotune_band())
    add("IDB_ABOUT_PICTURE", 284, "about.bmp", about_picture())
    for name, number, section, title, line in (
            ("AUTOTUNE", 195, "autotune", "Auto Tune", "Analyze your system, then apply what it recommends"),
            ("MANUAL", 196, "manual", "Manual Tweaks", "Pick a category and adjust each setting"),
            ("STATUS", 297, "status", "System Status", "Watch free memory and reclaim it"),
            ("BURNIN", 318, "burnin", "Burn-in Tests", "Stress test your system for stability")):
        add("IDB_BANNER_" + name, number, "banner_%s.bmp" % section, banner(section, title, line))
    for name, number, title, wide in (
            ("AUTOTUNE", 205, "Auto Tune", False), ("MANUAL", 206, "Manual Tweaks", False),
            ("STATUS", 306, "System Status", False), ("BURNIN", 319, "Burn-in Tests", False),
            ("SYSTEM", 133, "System Tweaks", True), ("DESKTOP", 134, "Desktop Tweaks", True),
            ("STARTMENU", 151, "Start Menu Tweaks", True), ("INTERNET", 148, "Internet Tweaks", True),
            ("CDROM", 146, "CD-ROM Tweaks", True), ("HDD", 147, "Hard Disk Tweaks", True),
            ("MEMORY", 149, "Memory", True), ("BOOTUP", 145, "Boot Up Tweaks", True),
            ("SHUTDOWN", 150, "Shut Down Tweaks", True), ("CPU_TEST", 332, "CPU Burn-in Test", True)):
        add("IDB_HOST_" + name, number, "host_%s.bmp" % name.lower(), page_host(title, wide), "bmp4")

    layout = []
    for name, numbers, pos, draw_one in button_table(base):
        pics = four(draw_one)
        if pos is not None:
            layout.append((pos, pics))
        seen = set()
        for state, number in zip(STATES, numbers):
            if number in seen:
                continue  # the normal picture also serves as the disabled one
            seen.add(number)
            add("IDB_%s_%s" % (name, state.upper()), number,
                "btn_%s_%s.bmp" % (name.lower(), state), pics[state])

    # The palette is kept between runs, so that a changed picture leaves the others as they were;
    # --new-palette chooses it again from all the pictures (and so changes every file).
    kept = None
    if "--new-palette" not in argv and os.path.exists(PALETTE):
        kept = files.Palette.load(PALETTE)
    palette = files.Palette([p for (_, _, p, _) in pictures.values()],
                            fixed=[INK, WHITE, LAVENDER, LAVENDER_LIGHT, LAVENDER_DARK, AMBER,
                                   GREEN, RED, BLUE, TEXT_LIGHT, TEXT_DIM, PANEL, (0, 0, 0)],
                            colours=kept)
    if kept is None:
        palette.save(PALETTE)
    total = 0
    sums = []
    for name, (number, fname, picture, kind) in pictures.items():
        path = os.path.join(ART, fname)
        if kind == "bmp4":
            total += files.write_bmp4(path, palette, picture)
        else:
            big = picture[0].size[0] * picture[0].size[1] > 20000
            total += files.write_bmp8(path, palette, picture, dither=big)
        shown = files.read_bmp(path)
        sums.append((name, len(shown[0]), len(shown), files.pixel_sum(shown)))
    write_pixel_sums(sums)

    icons = [("IDI_MAINFRAME", "torvane.ico", 130, 130), ("IDI_TRAY_NORMAL", "tray_normal.ico", 130, 130)]
    for i, angle in enumerate((20, 60, 100, 140, 175)):
        icons.append(("IDI_TRAY_FRAME%d" % (i + 1), "tray_frame%d.ico" % (i + 1), angle, angle))
    for _, fname, needle, arc in icons:
        total += files.write_icon(os.path.join(ART, fname), palette, icon_pictures(needle, arc))
    cursors = [("IDC_SKIN_CURSOR", 104, "skin.cur", arrow_cursor(), (1, 1),
                [INK, WHITE, AMBER, mix(WHITE, INK, 0.5), mix(AMBER, INK, 0.5)]),
               ("IDC_LINK_CURSOR", 265, "link.cur", hand_cursor(), (8, 1),
                [INK, WHITE, mix(WHITE, INK, 0.5)])]
    for name, number, fname, picture, hotspot, colours in cursors:
        total += files.write_cursor(os.path.join(ART, fname), picture, hotspot, colours)

    # resource.h and Torvane.rc
    defines = ["#define %-32s %d" % (n, v) for n, v in ids]
    defines += ["#define %-32s %d" % (n, v) for n, v, *_ in cursors]
    replace_block(os.path.join(RES, "resource.h"),
                  "// BEGIN artwork: bitmaps and cursors (written by tools/art/generate.py)",
                  "// END artwork", defines)
    rc = ["%-32s ICON   \"art/%s\"" % (n, f) for n, f, *_ in icons]
    rc += ["%-32s CURSOR \"art/%s\"" % (n, f) for n, _, f, *_ in cursors]
    rc += ["%-32s BITMAP \"art/%s\"" % (n, pictures[n][1]) for n, _ in ids]
    replace_block(os.path.join(RES, "Torvane.rc"),
                  "// BEGIN artwork (written by tools/art/generate.py)", "// END artwork", rc)
    print("%d files, %d bytes" % (len(os.listdir(ART)), total))

    if preview:
        os.makedirs(preview, exist_ok=True)
        view = Image.new("RGB", (MAIN_W, MAIN_H), MAGENTA)
        rgb, opaque = pictures["IDB_MAIN_SKIN"][2]
        paste_picture(view, (rgb, opaque), 0, 0)
        paste_picture(view, pictures["IDB_BANNER_MANUAL"][2], 8, 55)
        paste_picture(view, pictures["IDB_HOST_SYSTEM"][2], 15, 126)
        for (x, y), pics in layout:
            if (x, y) == (15, 83) and pics is not layout[14][1]:
                continue
            paste_picture(view, pics["normal"], x, y)
        view.resize((MAIN_W * 2, MAIN_H * 2), Image.NEAREST).save(os.path.join(preview, "main.png"))
        sheet = Image.new("RGB", (4 * 120, 40 * 50), (255, 255, 255))
        row = 0
        for name, numbers, pos, draw_one in button_table(base):
            pics = four(draw_one)
            for i, state in enumerate(STATES):
                paste_picture(sheet, pics[state], 4 + i * 120, 4 + row * 50)
            row += 1
        sheet.resize((sheet.size[0] * 2, sheet.size[1] * 2), Image.NEAREST).save(
            os.path.join(preview, "buttons.png"))
    return 0


def paste_picture(target, picture, x, y):
    rgb, opaque = picture
    m = Image.new("L", rgb.size)
    m.putdata([255 if on else 0 for row in opaque for on in row])
    target.paste(rgb, (x, y), m)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
